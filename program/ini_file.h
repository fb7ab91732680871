#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

// What the readers of ini settings ask: one file, or a program's files in layers.
class IniLookup {
public:
    virtual ~IniLookup() = default;
    // The value with trailing comments cut ("//...", then a tab followed by ";...",
    // then "/*..."). A missing section gives the default unchanged, a missing key
    // the default without its surrounding blanks.
    virtual std::string getValue(std::string_view section, std::string_view key, std::string_view defaultValue) const = 0;
};

// A read-only store of a classic ini file: "[section]" headers and "key = value"
// lines. Slot 0 holds the keys before the first header. Every header opens a new
// slot, even a repeated one; a lookup finds the first slot of a name and, in it,
// the last of equal keys. Comments are cut from values only when they are read.
class CIniFile : public IniLookup {
public:
    // Longer lines are skipped whole (the file may be hostile; real lines are short).
    static constexpr std::size_t kMaxIniLine = 64 * 1024;

    explicit CIniFile(int growthStep = 4);

    // Loads `path`, forgetting what was loaded before. A missing file is created
    // empty when `createIfMissing` (never through a link that points nowhere),
    // and the load then succeeds with no keys. Only a regular file is read; a
    // pipe or device is refused without waiting. Returns false when the file can
    // be neither read nor created; what was read before a read error stays.
    bool load(const std::filesystem::path& path, bool compareWithoutCase, bool createIfMissing = true);

    std::string getValue(std::string_view section, std::string_view key, std::string_view defaultValue) const override;
    // The value as getValue gives it, nothing when the key is missing.
    std::optional<std::string> findValue(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;

    const std::filesystem::path& filePath() const { return path_; }
    int sectionCount() const { return current_ + 1; }
    // Slots reserved so far: always a multiple of the growth step.
    int slotCapacity() const { return static_cast<int>(names_.size()); }

private:
    void clear();
    void addLine(std::string_view line);
    void openSection(std::string name);
    int slotOf(std::string_view section) const;
    bool namesEqual(std::string_view a, std::string_view b) const;

    int growthStep_;
    bool compareWithoutCase_ = true;
    std::vector<std::vector<std::string>> keys_;
    std::vector<std::vector<std::string>> values_;
    std::vector<std::string> names_;
    int current_ = 0;
    std::filesystem::path path_;
};

// The directory part of a program path as the system passed it, split on "/" and
// "\"; without one, the current directory.
std::filesystem::path programDirectory(std::string_view programPath);

} // namespace tolvan

#include "program/ini_file.h"

#include "codeplug/path_text.h"
#include "codeplug/safe_file.h"
#include "codeplug/text_util.h"

#include <cerrno>
#include <unistd.h>

namespace tolvan {

CIniFile::CIniFile(int growthStep) : growthStep_(growthStep > 0 ? growthStep : 1)
{
    clear();
}

void CIniFile::clear()
{
    keys_.assign(static_cast<std::size_t>(growthStep_), {});
    values_.assign(static_cast<std::size_t>(growthStep_), {});
    names_.assign(static_cast<std::size_t>(growthStep_), {});
    current_ = 0;
    path_.clear();
}

void CIniFile::openSection(std::string name)
{
    ++current_;
    if (current_ >= static_cast<int>(names_.size())) {
        const std::size_t grown = names_.size() + static_cast<std::size_t>(growthStep_);
        keys_.resize(grown);
        values_.resize(grown);
        names_.resize(grown);
    }
    names_[static_cast<std::size_t>(current_)] = std::move(name);
}

bool CIniFile::load(const std::filesystem::path& path, bool compareWithoutCase, bool createIfMissing)
{
    clear();
    compareWithoutCase_ = compareWithoutCase;

    std::error_code ec;
    const std::filesystem::file_status st = std::filesystem::symlink_status(path, ec);
    if (!std::filesystem::exists(st)) {
        if (st.type() != std::filesystem::file_type::not_found || !createIfMissing)
            return false;
        if (!createEmptyFile(path))
            return false;
    }
    FileResult opened;
    const int fd = openRegularFile(path, opened);
    if (fd < 0)
        return false;
    path_ = path;

    // Lines longer than kMaxIniLine are skipped whole, so a hostile file costs
    // no more memory than one long line's bound.
    std::string line;
    bool skipping = false;
    char buffer[65536];
    bool readError = false;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            readError = n < 0;
            break;
        }
        std::string_view chunk(buffer, static_cast<std::size_t>(n));
        while (!chunk.empty()) {
            const std::size_t end = chunk.find('\n');
            const std::string_view piece = chunk.substr(0, end);
            if (!skipping) {
                if (line.size() + piece.size() > kMaxIniLine) {
                    skipping = true;
                    line.clear();
                } else {
                    line.append(piece);
                }
            }
            if (end == std::string_view::npos)
                break;
            if (!skipping)
                addLine(line);
            line.clear();
            skipping = false;
            chunk.remove_prefix(end + 1);
        }
    }
    if (!readError && !skipping && !line.empty())
        addLine(line);
    ::close(fd);
    return !readError;
}

void CIniFile::addLine(std::string_view line)
{
    const std::string text = trim(line);
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
        openSection(text.substr(1, text.size() - 2));
        return;
    }
    std::string key;
    std::string value;
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) {
        key = text;
    } else {
        key = trim(text.substr(0, eq));
        value = trim(text.substr(eq + 1));
    }
    if (key.empty())
        return;
    const char first = key.front();
    if (first == ';' || first == '/' || first == '\\' || first == '*')
        return;
    keys_[static_cast<std::size_t>(current_)].push_back(std::move(key));
    values_[static_cast<std::size_t>(current_)].push_back(std::move(value));
}

bool CIniFile::namesEqual(std::string_view a, std::string_view b) const
{
    return compareWithoutCase_ ? equalsIgnoringCase(a, b) : a == b;
}

int CIniFile::slotOf(std::string_view section) const
{
    for (int i = 0; i <= current_; ++i)
        if (namesEqual(names_[static_cast<std::size_t>(i)], section))
            return i;
    return -1;
}

bool CIniFile::hasSection(std::string_view section) const
{
    return slotOf(section) >= 0;
}

std::optional<std::string> CIniFile::findValue(std::string_view section, std::string_view key) const
{
    const int slot = slotOf(section);
    if (slot < 0)
        return std::nullopt;
    const auto& keys = keys_[static_cast<std::size_t>(slot)];
    for (std::size_t i = keys.size(); i-- > 0;) {
        if (!namesEqual(keys[i], key))
            continue;
        std::string value = values_[static_cast<std::size_t>(slot)][i];
        for (std::string_view marker : {std::string_view("//"), std::string_view("\t;"), std::string_view("/*")}) {
            const std::size_t at = value.find(marker);
            if (at != std::string::npos)
                value.erase(at);
        }
        return value;
    }
    return std::nullopt;
}

std::string CIniFile::getValue(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    if (std::optional<std::string> value = findValue(section, key))
        return *value;
    return hasSection(section) ? trim(defaultValue) : std::string(defaultValue);
}

std::filesystem::path programDirectory(std::string_view programPath)
{
    const std::size_t slash = programPath.find_last_of("/\\");
    if (slash == std::string_view::npos) {
        std::error_code ec;
        return std::filesystem::current_path(ec);
    }
    return pathFromText(programPath.substr(0, slash));
}

} // namespace tolvan

#include "program/read_backup.h"

#include "program/user_folders.h"
#include "codeplug/sin_file.h"
#include "program/platform.h"
#include "program/sin_status_text.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <system_error>

namespace tolvan {
namespace fs = std::filesystem;

fs::path readBackupDirectory()
{
    return userDataHome() / "tolvan" / "backups";
}

std::string readBackupName(std::string_view baseName, std::chrono::system_clock::time_point when)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&t, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return std::string(baseName) + "-" + stamp + ".sin";
}

namespace {

// "<base>-" + 8 digits + "-" + 6 digits, an optional "-n", then ".sin". Other
// files in the directory, other programs' backups included, are never touched.
bool isBackupOf(const std::string& name, std::string_view baseName)
{
    const std::string prefix = std::string(baseName) + "-";
    if (name.rfind(prefix, 0) != 0 || name.size() < prefix.size() + 19 || !name.ends_with(".sin"))
        return false;
    const std::string stamp = name.substr(prefix.size(), name.size() - prefix.size() - 4);
    for (std::size_t i = 0; i < 15; ++i) {
        const bool dash = i == 8;
        if (dash ? stamp[i] != '-' : !(stamp[i] >= '0' && stamp[i] <= '9'))
            return false;
    }
    if (stamp.size() == 15)
        return true;
    if (stamp[15] != '-' || stamp.size() == 16)
        return false;
    return std::all_of(stamp.begin() + 16, stamp.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Time order: by stamp, then by the same-second counter (none before "-2").
std::pair<std::string, int> sortKey(const fs::path& p, std::string_view baseName)
{
    const std::string name = p.filename().string();
    const std::string stamp = name.substr(baseName.size() + 1, 15);
    const std::size_t rest = baseName.size() + 1 + 15;
    int n = 1;
    if (name[rest] == '-')
        n = std::atoi(name.c_str() + rest + 1);
    return {stamp, n};
}

} // namespace

std::vector<fs::path> readBackups(const fs::path& dir, std::string_view baseName)
{
    std::vector<fs::path> out;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && isBackupOf(it->path().filename().string(), baseName))
            out.push_back(it->path());
    std::sort(out.begin(), out.end(),
              [&](const fs::path& a, const fs::path& b) { return sortKey(a, baseName) < sortKey(b, baseName); });
    return out;
}

fs::path saveReadBackup(const fs::path& dir, std::string_view baseName, const MemoryImage& image,
                        std::chrono::system_clock::time_point when, int keep, std::string* error,
                        Language language)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    const std::string name = readBackupName(baseName, when);
    // A later read in the same second comes after the newest of that second,
    // never under a name pruning freed: that name sorts oldest and would go at once.
    const std::string stem = name.substr(0, name.size() - 4);
    int newest = 0;
    for (const fs::path& p : readBackups(dir, baseName)) {
        const auto [stamp, n] = sortKey(p, baseName);
        if (stem.ends_with(stamp))
            newest = std::max(newest, n);
    }
    auto numbered = [&](int n) { return dir / (n == 1 ? name : stem + "-" + std::to_string(n) + ".sin"); };
    fs::path path = numbered(newest + 1);
    for (int n = newest + 2; fs::exists(path, ec); ++n)
        path = numbered(n);
    std::string detail;
    const SinStatus status = saveSin(path, image, &detail);
    if (status != SinStatus::Ok) {
        if (error)
            *error = sinStatusText(status, path, image.size(), detail, language);
        return {};
    }
    // The file just written stays even if the clock went back and it sorts oldest.
    std::vector<fs::path> others = readBackups(dir, baseName);
    std::erase(others, path);
    for (std::size_t i = 0; i + static_cast<std::size_t>(std::max(keep, 1)) - 1 < others.size(); ++i)
        fs::remove(others[i], ec);
    return path;
}

} // namespace tolvan

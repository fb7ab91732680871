#include "program/user_folders.h"

#include "codeplug/safe_file.h"

namespace tolvan {
namespace fs = std::filesystem;

namespace {

// Settings files are small; a larger one at the old place is not ours.
constexpr std::size_t kMaxSettingsFile = 1024 * 1024;

} // namespace

fs::path settingsFile(const fs::path& configHome, std::string_view organisation, std::string_view baseName)
{
    return configHome / std::string(organisation) / (std::string(baseName) + ".conf");
}

bool carryOverSettings(const fs::path& configHome, std::string_view baseName)
{
    if (configHome.empty())
        return false;
    const fs::path current = settingsFile(configHome, kSettingsOrganisation, baseName);
    // Anything under the current name, even a dangling link, is the user's.
    std::error_code ec;
    if (fs::symlink_status(current, ec).type() != fs::file_type::not_found)
        return false;
    std::string bytes;
    if (!readWholeFile(settingsFile(configHome, kPreviousSettingsOrganisation, baseName), bytes, kMaxSettingsFile).ok())
        return false;
    fs::create_directories(current.parent_path(), ec);
    return writeFileSafely(current, bytes).ok();
}

} // namespace tolvan

#pragma once

#include <filesystem>
#include <string_view>

namespace tolvan {

// The settings (recent files, Verify After Writing) are kept by the window's
// settings store under this organisation: <config>/tolvan/<program>.conf.
inline constexpr const char* kSettingsOrganisation = "tolvan";
// Where earlier versions kept them: <config>/Local AppWizard-Generated Applications/<program>.conf.
inline constexpr const char* kPreviousSettingsOrganisation = "Local AppWizard-Generated Applications";

// The settings file of a program in `configHome` under `organisation`.
std::filesystem::path settingsFile(const std::filesystem::path& configHome, std::string_view organisation,
                                   std::string_view baseName);

// Copies the previous location's settings file to the current one when only
// the previous one exists, so a user keeps recent files after an update; once
// the current file exists the previous one is never read again. It is left
// where it is for an older version still installed. True when it copied.
bool carryOverSettings(const std::filesystem::path& configHome, std::string_view baseName);

} // namespace tolvan

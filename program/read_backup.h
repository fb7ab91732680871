#pragma once

#include "editions/language.h"

#include "codeplug/memory_image.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

// Every completed read from a radio is also kept as a .sin file, so a read that
// replaced unsaved work can be undone by hand. The newest `kReadBackupsKept`
// stay; older ones are removed.
constexpr int kReadBackupsKept = 50;

// "$XDG_DATA_HOME/tolvan/backups" (or ~/.local/share/...): the user's data directory.
std::filesystem::path readBackupDirectory();

// "<base>-YYYYMMDD-HHMMSS.sin" in local time; names sort in time order.
std::string readBackupName(std::string_view baseName, std::chrono::system_clock::time_point when);

// The backups of one program in `dir`, oldest first.
std::vector<std::filesystem::path> readBackups(const std::filesystem::path& dir, std::string_view baseName);

// Saves the image under a fresh name (a second read within the same second gets
// "-2", "-3", ...), then removes the oldest beyond `keep`. Returns the file, or
// an empty path with `error` set, in `language`.
std::filesystem::path saveReadBackup(const std::filesystem::path& dir, std::string_view baseName,
                                     const MemoryImage& image, std::chrono::system_clock::time_point when,
                                     int keep = kReadBackupsKept, std::string* error = nullptr,
                                     Language language = Language::English);

} // namespace tolvan

#pragma once

#include <QString>

#include <filesystem>

namespace tolvan {

// A name from a file dialog or a drop as the system's own name: on Linux the
// bytes of Qt's file-name encoding, so a name that is not valid in the
// locale's encoding still opens and saves under itself; on Windows the UTF-16
// name. A name from the command line never goes through QString at all.
std::filesystem::path localPath(const QString& name);

// For showing a name (a title, a message); the system's name stays in the path.
QString displayPath(const std::filesystem::path& path);

} // namespace tolvan

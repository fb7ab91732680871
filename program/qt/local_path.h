#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

namespace tolvan {

// File names are the system's bytes. A QString from a file dialog or a drop
// becomes those bytes through Qt's own file-name encoding; a name from the
// command line never goes through QString at all, so a name that is not valid
// in the locale's encoding still opens and saves under itself.
inline std::filesystem::path localPath(const QString& name)
{
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

// For showing a name (a title, a message); the bytes stay in the path.
inline QString displayPath(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

} // namespace tolvan

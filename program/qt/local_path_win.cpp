#include "program/qt/local_path.h"

namespace tolvan {

std::filesystem::path localPath(const QString& name)
{
    return std::filesystem::path(name.toStdWString());
}

QString displayPath(const std::filesystem::path& path)
{
    return QString::fromStdWString(path.native());
}

} // namespace tolvan

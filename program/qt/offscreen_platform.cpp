#include "program/qt/offscreen_platform.h"

#include "program/platform.h"

#include <QByteArray>
#include <QString>

namespace tolvan {

void useOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::filesystem::path fonts = offscreenFontFolder();
    if (!fonts.empty() && qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")
        && qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_FONTDIR", QString::fromStdWString(fonts.wstring()).toLocal8Bit());
}

} // namespace tolvan

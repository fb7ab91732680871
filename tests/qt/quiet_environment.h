#pragma once
// Widget runs use their own settings and data directories, so they never touch
// the user's recent files or read backups, and run in the "C" language. Call
// before the application object is made; `home` must outlive it.
#include "program/qt/offscreen_platform.h"
#include "temp_dir.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

inline void useQuietEnvironment(const QTemporaryDir& home)
{
    // Listing the tests happens without the suite's environment: never ask for a display.
    tolvan::useOffscreenPlatform();
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath("config").toLocal8Bit());
    // The settings as files there on Windows too, where the program keeps them
    // in the registry, which every test run shares. Elsewhere they are files
    // already, under the name the program gives them.
    if (tolvan::testing::kWindows) {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QDir(home.path()).filePath("config"));
    }
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath("data").toLocal8Bit());
    qputenv("LOCALAPPDATA", QDir::toNativeSeparators(QDir(home.path()).filePath("data")).toLocal8Bit());  // Windows' data folder
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    qputenv("LANG", "C");
}

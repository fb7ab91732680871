#pragma once

#include "app/qt/main_frame.h"
#include "app/qt/program_window.h"
#include "editor/qt/tol_view.h"
#include "fake_dialogs.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace tolvan {

// A program "installed" in a temporary directory (so its ini file is its own),
// finding its translations in the build's program directory.
class WindowTest : public ::testing::Test {
protected:
    // Each test starts with no recent files: the list lives in the settings
    // that all tests of this run share.
    void SetUp() override
    {
        for (const Edition* e : allEditions())
            QSettings("Local AppWizard-Generated Applications", QString::fromStdString(e->id)).remove("Recent File List");
    }

    std::unique_ptr<ProgramWindow> start(const char* id, const char* ini = nullptr, bool chineseSystem = false,
                                         QStringList translationDirs = {TOLVAN_BIN_DIR})
    {
        const std::string program = QDir(dir.path()).filePath(id).toStdString();
        if (ini)
            std::ofstream(program + ".ini") << ini;
        return ProgramWindow::start(*findEdition(id), program, chineseSystem, translationDirs, dialogs);
    }

    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    void writeFile(const QString& name, const MemoryImage& image, std::size_t length = 0) const
    {
        std::ofstream out(path(name).toStdString(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(image.raw().data()),
                  static_cast<std::streamsize>(length ? length : image.size()));
    }

    QTemporaryDir dir;
    FakeDialogs dialogs;
};

} // namespace tolvan

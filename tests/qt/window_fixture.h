#pragma once
// Everything the widget suites use, in one place: the Qt modules whole and
// the program's own headers.

#include "app/qt/fleet_commands.h"
#include "app/qt/fleet_log_dlg.h"
#include "app/qt/help_window.h"
#include "app/qt/main_frame.h"
#include "app/qt/program_window.h"
#include "app/qt/window_connections.h"
#include "codeplug/sin_file.h"
#include "dialogs/optional_features.h"
#include "dialogs/qt/debug_mode_dlg.h"
#include "dialogs/qt/decode_sheet.h"
#include "dialogs/qt/encode_page.h"
#include "dialogs/qt/key_assignment_dlg.h"
#include "dialogs/qt/optional_features_dlg.h"
#include "dialogs/qt/settings_lists_dlg.h"
#include "dialogs/qt/signalling_features_dlg.h"
#include "dialogs/qt/text_spin_box.h"
#include "dialogs/qt/two_tone_dlg.h"
#include "editions/record_codec.h"
#include "editor/column_widths.h"
#include "editor/form_settings.h"
#include "editor/qt/channel_edit_dlg.h"
#include "editor/qt/grid_editing.h"
#include "editor/qt/ms_flex_grid.h"
#include "editor/qt/tol_view.h"
#include "editor/table_csv.h"
#include "link/qt/clone_with_progress.h"
#include "link/qt/progress_dlg.h"
#include "link/qt/qt_link_host.h"
#include "program/qt/local_path.h"
#include "program/read_backup.h"
#include "report/qt/report_painter.h"
#include "report/qt/report_print.h"
#include "sim/radio_port.h"
#include "sim/sample_codeplug.h"
#include "fake_dialogs.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <sys/stat.h>

namespace tolvan {

// Each program once per language it can start in: both where it chooses at start-up.
struct ProgramRun {
    const Edition* edition;
    bool chineseSystem;
    bool chinese() const { return edition->uiLanguage(chineseSystem ? Language::Chinese : Language::English) == Language::Chinese; }
};
inline std::vector<ProgramRun> everyProgramAndLanguage()
{
    std::vector<ProgramRun> out;
    for (const Edition* e : allEditions()) {
        out.push_back({e, false});
        if (e->languages == LanguageChoice::AtStartUp)
            out.push_back({e, true});
    }
    return out;
}

// Presses Start on the progress window the next transfer shows.
inline void pressStartWhenShown()
{
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<CProgressDlg*>(w); d && d->isVisible() && d->startButton()->isEnabled()) {
                QTest::mouseClick(d->startButton(), Qt::LeftButton);
                return;
            }
        ADD_FAILURE() << "no progress window";
    });
}

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

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
#include "editor/edit_texts.h"
#include "editor/form_settings.h"
#include "editor/qt/channel_edit_dlg.h"
#include "editor/qt/grid_editing.h"
#include "editor/qt/ms_flex_grid.h"
#include "editor/qt/tol_view.h"
#include "editor/table_csv.h"
#include "link/qt/clone_with_progress.h"
#include "link/write_verify.h"
#include "link/qt/progress_dlg.h"
#include "link/qt/qt_link_host.h"
#include "program/qt/local_path.h"
#include "program/qt/program_settings.h"
#include "program/read_backup.h"
#include "report/qt/report_painter.h"
#include "report/qt/report_print.h"
#include "sim/radio_port.h"
#include "sim/sample_codeplug.h"
#include "fake_dialogs.h"
#include "golden.h"

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

// What a window shows, one widget a line in the order they were made: texts,
// choices and ticks, for comparing with a snapshot.
inline std::string shownState(const QWidget& root)
{
    QStringList out;
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        const QObject* parent = w->parent();
        if (!w->isVisibleTo(&root) || qobject_cast<const QAbstractSpinBox*>(parent) || qobject_cast<const QComboBox*>(parent))
            continue;
        if (auto* l = qobject_cast<const QLabel*>(w); l && l->pixmap().isNull())
            out << "label " + l->text();
        else if (auto* c = qobject_cast<const QComboBox*>(w))
            out << "list " + c->currentText();
        else if (auto* s = qobject_cast<const QAbstractSpinBox*>(w))
            out << "spin " + s->text();
        else if (auto* e = qobject_cast<const QLineEdit*>(w))
            out << "edit " + e->text();
        else if (auto* b = qobject_cast<const QAbstractButton*>(w); b && b->isCheckable())
            out << (b->isChecked() ? "[x] " : "[ ] ") + b->text();
    }
    return out.join('\n').toStdString() + "\n";
}

// The bytes that differ, in runs of up to 16: "0x811: EE 00 -> F3 01".
inline std::string imageChanges(const MemoryImage& before, const MemoryImage& after)
{
    std::string out;
    for (std::size_t i = 0; i < before.size();) {
        std::size_t end = i;
        while (end < before.size() && end - i < 16 && before.at(end) != after.at(end))
            ++end;
        if (end > i)
            out += QString::asprintf("0x%03zx: ", i).toStdString() + hexBytes(before.bytes(i, end - i)) + " -> "
                   + hexBytes(after.bytes(i, end - i)) + "\n";
        i = std::max(end, i + 1);
    }
    return out;
}

// A frequency the edition takes as typed on its sample's form (inside the
// chosen band where the edition checks one).
inline TenHz typedFrequency(const Edition& e)
{
    FormSettings form(e);
    form.loadFromImage(sampleCodeplug(e));
    for (int i = 0; i < form.count(); ++i)
        if (form.list(i).label == "Field" && !e.bands.empty())
            return e.bands.at(static_cast<std::size_t>(form.selection(i))).low + 1250;
    return 43501250;
}

// Channel 2 at the frequency a user would type for it.
inline MemoryImage withChannel2Moved(const Edition& e, MemoryImage image)
{
    ChannelFields f = e.records().read(e, image, 2);
    f.rx = f.tx = typedFrequency(e);
    e.records().write(e, image, 2, f);
    return image;
}

// Closes each window a command opens while it runs: Cancel (reject) or OK
// (accept); the progress window is started on OK. A print dialog is never
// accepted: that would send the report to the system's printer. Keeps the
// texts of the message boxes it closed, with " | " and the reason beneath
// where one is given, and their captions; `throughTransfer` keeps answering
// those a transfer shows after Start.
class WindowCloser {
public:
    explicit WindowCloser(bool ok, bool throughTransfer = false) : ok_(ok), throughTransfer_(throughTransfer)
    {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { closeOne(); });
        timer_.start();
    }

    QStringList closed;
    QStringList messages;
    QStringList captions;
    // Sees each window other than a message box before it is closed, from
    // inside the window's own event loop, and acts in it as a user would;
    // returns true to leave the window open for now.
    std::function<bool(QWidget&)> visit;

private:
    void closeOne()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box && visit && visit(*modal))
                return;
            closed << modal->metaObject()->className();
            if (box) {
                messages << box->text() + (box->informativeText().isEmpty() ? "" : " | " + box->informativeText());
                captions << box->windowTitle();
            }
            auto* dialog = qobject_cast<QDialog*>(modal);
            if (!dialog)
                modal->close();
            else if (ok_ && !qobject_cast<QPrintDialog*>(dialog))
                dialog->accept();
            else
                dialog->reject();
            return;
        }
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<CProgressDlg*>(w);
                progress && progress->isVisible() && !progress->wasStarted()) {
                closed << "CProgressDlg";
                if (!throughTransfer_)
                    timer_.stop();  // spare the transfer's pump passes the look
                if (ok_)
                    progress->startButton()->click();
                else
                    progress->reject();
                return;
            }
    }

    bool ok_;
    bool throughTransfer_;
    QTimer timer_;
};

// Presses Start (or another button) on the progress window the next transfer shows.
inline void pressWhenShown(QPushButton* (CProgressDlg::*button)() const = &CProgressDlg::startButton)
{
    QTimer::singleShot(0, [button] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<CProgressDlg*>(w); d && d->isVisible() && d->startButton()->isEnabled()) {
                QTest::mouseClick((d->*button)(), Qt::LeftButton);
                return;
            }
        ADD_FAILURE() << "no progress window";
    });
}

// A program "installed" in a temporary directory (so its ini file is its own),
// finding its translations in the build's program directory, started as the
// program starts its window (the same composition of every command), its
// transfers talking to an in-process virtual radio without pauses.
class WindowTest : public ::testing::Test {
protected:
    // Each test starts with no recent files: the list lives in the settings
    // that all tests of this run share.
    void SetUp() override
    {
        for (const Edition* e : allEditions())
            ProgramSettings(e->id).remove("Recent File List");
    }

    // The radio of the window started last holds a new document of its edition.
    std::unique_ptr<ProgramWindow> start(const char* id, const char* ini = nullptr, bool chineseSystem = false,
                                         QStringList translationDirs = {TOLVAN_BIN_DIR})
    {
        const std::string program = QDir(dir.path()).filePath(id).toStdString();
        if (ini)
            std::ofstream(program + ".ini") << ini;
        const Edition& edition = *findEdition(id);
        radios_.push_back(std::make_unique<VirtualRadio>(newDocumentImage(edition)));
        openers_.push_back(std::make_unique<RadioPortOpener>(*radios_.back()));
        return ProgramWindow::start(edition, program, chineseSystem, translationDirs, dialogs,
                                    {.opener = openers_.back().get(), .pauses = false});
    }
    VirtualRadio& radio() { return *radios_.back(); }
    RadioPortOpener& opener() { return *openers_.back(); }

    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    void writeFile(const QString& name, const MemoryImage& image, std::size_t length = 0) const
    {
        std::ofstream out(path(name).toStdString(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(image.raw().data()),
                  static_cast<std::streamsize>(length ? length : image.size()));
    }

    QTemporaryDir dir;
    FakeDialogs dialogs;

private:
    std::vector<std::unique_ptr<VirtualRadio>> radios_;
    std::vector<std::unique_ptr<RadioPortOpener>> openers_;
};

} // namespace tolvan

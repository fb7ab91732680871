#pragma once

#include "editor/transfer.h"
#include "link/qt/clone_with_progress.h"
#include "program/startup_language.h"

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QDialog;
class QWidget;

namespace tolvan {

struct FleetTexts;

class CMainFrame;
class UserDialogs;
enum class ComparedSides;

// The commands for programming a fleet: Verify After Writing (checkable,
// remembered, on by default), Compare With File, Compare With Radio, Import
// Channels and Write To Several Radios. They work on the frame's document and
// view; attachFleetCommands puts them into the frame's File and Program menus.
class FleetCommands : public QObject {
public:
    FleetCommands(CMainFrame& frame, const StartupLanguage& language, UserDialogs& dialogs, CloneWindowOptions clone);

    QAction* verifyAfterWriting() const { return verify_; }
    QAction* compareWithFile() const { return compareFile_; }
    QAction* compareWithRadio() const { return compareRadio_; }
    QAction* importChannels() const { return import_; }
    QAction* writeToSeveral() const { return several_; }

    // Shows a dialog modally; tests look at it instead.
    std::function<void(QDialog&)> showDialog;

    // A write from the window, with the read-back when verify is on (or
    // always). `text` is the line the fleet log shows. The progress windows
    // stand over `over` (a modal fleet dialog must not block their Cancel).
    struct WriteResult {
        bool written = false;  // the write itself completed
        bool ok = false;       // written, and verified where it was read back
        QString text;
    };
    WriteResult writeDocument(bool startAtOnce, bool alwaysVerify, QWidget* over = nullptr);
    // The verdict of a read-back: a match in the status bar, a mismatch or a
    // failed read-back in a message box.
    void showVerdict(const WriteResult& result);
    // The window's Read From Radio and Write To Radio.
    TransferFunction transfer();

private:
    void runCompareWithFile();
    void runCompareWithRadio();
    void runImport();
    void runWriteToSeveral();
    // The document against a file or a radio's memory, both as a save would store them.
    void showComparison(const QString& title, const MemoryImage& other, ComparedSides sides);
    MemoryImage documentImage() const;  // the image with the table's cells in it
    CloneWindowOptions linkOptions() const;  // the link's, with the program's message caption
    CloneWindowOptions readOptions() const;  // the link's, with the "Data Password" shown
    const FleetTexts& texts() const;  // in the window's language

    CMainFrame& frame_;
    StartupLanguage language_;
    UserDialogs& dialogs_;
    CloneWindowOptions clone_;
    QAction* verify_;
    QAction* compareFile_;
    QAction* compareRadio_;
    QAction* import_;
    QAction* several_;
};

} // namespace tolvan

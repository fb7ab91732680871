#pragma once

#include <filesystem>

#include "program/startup_language.h"
#include "program/tol_doc.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>

class QActionGroup;
class QDialog;
class QLabel;
class QMenu;

namespace tolvan {

class CTolView;
class HelpWindow;
class UserDialogs;

// Command ids, kept from the resource set the menus were first described in;
// tests and hooks name commands by them.
namespace cmd {
enum : int {
    New = 57600, Open = 57601, Save = 57603, SaveAs = 57604, PrintSetup = 57606, Print = 57607,
    PrintPreview = 57609, RecentFile1 = 57616, About = 57664, Exit = 57665, HelpTopics = 57667,
    ContextHelp = 57669, Help = 57670, NextPane = 57680, PreviousPane = 57681,
    ReadFromRadio = 32771, WriteToRadio = 32772, Com1 = 32773, Com2 = 32775, Com3 = 32776, Com4 = 32777,
    TestMode = 32778, OptionalFeatures = 32784, TwoTone = 32786, Toolbar = 59392, StatusBar = 59393,
};
}

// The dialogs and printing that other parts of the program provide. A dialog
// hook returns whether the user changed the image (OK), which marks the
// document changed.
struct FrameHooks {
    std::function<bool(CTolView&)> optionalFeatures;
    std::function<bool(CTolView&)> twoTone;
    std::function<void(CTolView&)> testMode;
    std::function<void(CTolView&)> print;
    std::function<void(CTolView&)> printPreview;
    std::function<void(CTolView&)> printSetup;
    // Closing the window while a transfer runs asks the transfer to stop.
    std::function<void()> cancelTransfer;
};

// The main window: menus, tool bar, status bar, the channel view, and the
// commands that work on the one document.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CTolDoc& doc, const StartupLanguage& language, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CTolView& view() { return *view_; }
    CTolDoc& document() { return doc_; }
    QAction* action(int id) const;
    QMenu* portMenu() const { return portMenu_; }
    QString statusText() const;
    HelpWindow* helpWindow() const { return help_; }
    void setHooks(FrameHooks hooks) { hooks_ = std::move(hooks); }

    // Port choice: "COM1".."COM4", an adapter's device path, or "virtual".
    void choosePort(const std::string& port);

    // File commands; each asks about unsaved changes first where it replaces
    // the document. They return whether the document was replaced or saved.
    bool fileNew();
    bool fileOpen();
    bool openFile(const QString& path);
    bool openFile(const std::filesystem::path& path);  // the system's bytes, as given
    bool fileSave();
    bool fileSaveAs();
    // Save / Discard / Cancel when the document holds unsaved changes;
    // false when the user cancels (or saving fails).
    bool maybeSave();

    QStringList recentFiles() const;

    // The help file in the window's language: "Tolvan_V_EN.html" or "_CH".
    QString helpFileName() const;
    void openHelp();
    // The About box: program, version, maker, and where read backups are kept.
    std::unique_ptr<QDialog> aboutDialog();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool loadFile(const std::filesystem::path& path);  // without asking about unsaved changes
    QAction* addCommand(QMenu* menu, int id, const QString& caption, std::function<void()> run);
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void refreshPortChecks();
    void refreshAdapters();
    void addRecentFile(const std::filesystem::path& path);
    void refreshRecentFiles();
    void setTransferRunning(bool running);
    void showAbout();
    void message(const QString& text);
    void runDialogHook(const std::function<bool(CTolView&)>& hook);

    CTolDoc& doc_;
    StartupLanguage language_;
    UserDialogs& dialogs_;
    CTolView* view_ = nullptr;
    FrameHooks hooks_;
    std::map<int, QAction*> actions_;
    QMenu* portMenu_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    std::vector<QAction*> recentActions_;
    std::vector<QAction*> portActions_;  // COM1..COM4, Virtual Radio, adapters
    QActionGroup* portGroup_ = nullptr;
    QAction* adapterSeparator_ = nullptr;
    QAction* virtualSeparator_ = nullptr;
    std::vector<QAction*> adapterActions_;
    QToolBar* toolBar_ = nullptr;
    HelpWindow* help_ = nullptr;
    bool closeWhenTransferEnds_ = false;
};

} // namespace tolvan

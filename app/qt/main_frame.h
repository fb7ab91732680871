#pragma once

#include <filesystem>

#include "program/startup_language.h"
#include "program/tol_doc.h"
#include "editions/menu_outline.h"
#include "editor/undo_stack.h"

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

// The dialogs and printing that other parts of the program provide. A dialog
// hook returns whether the user changed the image (OK), which marks the
// document changed. A command whose hook is empty is not in this program: its
// menu item and tool button are left out.
struct FrameHooks {
    std::function<bool(CTolView&)> optionalFeatures;  // cmd::OptionalFeatures and cmd::EditOptionalFeatures
    std::function<bool(CTolView&)> keyAssignment;
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
    int commandId(const QAction* action) const;  // 0 for an action that is no command
    QMenu* portMenu() const { return portMenu_; }
    QString statusText() const;
    QString messageCaption() const;  // of the window's message boxes
    QString fileType() const;        // what the file dialogs offer
    HelpWindow* helpWindow() const { return help_; }
    // Sets the hooks and shows the menus and tool bar of the commands they give.
    void setHooks(FrameHooks hooks);
    // Whether this program has the command (its menu item is shown).
    bool hasCommand(int id) const;
    // Adds a command of another part (the fleet commands) under its id: its
    // caption and key come from the menu outline, its item is shown from now on.
    QAction* attachCommand(int id, std::function<void()> run);

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
    QAction* addCommand(int id, std::function<void()> run);
    void applyOutline(int id, QAction* a);
    void createActions();
    void buildMenus();
    void buildToolBar();
    void createStatusBar();
    void refreshPortChecks();
    void refreshAdapters();
    void addRecentFile(const std::filesystem::path& path);
    void refreshRecentFiles();
    void setTransferRunning(bool running);
    void showAbout();
    void message(const QString& text);
    void fileMessage(SinStatus status, const std::filesystem::path& path, const std::string& detail);
    void runDialogHook(const std::function<bool(CTolView&)>& hook, EditKind kind);

    CTolDoc& doc_;
    StartupLanguage language_;
    UserDialogs& dialogs_;
    CTolView* view_ = nullptr;
    FrameHooks hooks_;
    std::map<int, QAction*> actions_;
    QMenu* portMenu_ = nullptr;
    std::vector<QMenu*> menus_;
    QAction* recentSeparator_ = nullptr;
    std::vector<QAction*> recentActions_;
    std::vector<QAction*> portActions_;  // COM1..COM4, Virtual Radio, adapters
    QActionGroup* portGroup_ = nullptr;
    QAction* adapterSeparator_ = nullptr;
    std::vector<QAction*> adapterActions_;
    QToolBar* toolBar_ = nullptr;
    HelpWindow* help_ = nullptr;
    bool closeWhenTransferEnds_ = false;
};

} // namespace tolvan

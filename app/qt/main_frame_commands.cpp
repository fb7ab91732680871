// The main window's commands: their actions, menus and tool bar, from the
// program's menu outline.

#include "app/qt/main_frame.h"

#include "app/qt/main_frame_parts.h"
#include "app/qt/tool_icons.h"
#include "editor/qt/tol_view.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace tolvan {

using namespace frame_parts;

QAction* CMainFrame::action(int id) const
{
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

int CMainFrame::commandId(const QAction* a) const
{
    for (const auto& [id, candidate] : actions_)
        if (candidate == a)
            return id;
    return 0;
}

QAction* CMainFrame::addCommand(int id, std::function<void()> run)
{
    auto* a = new QAction(this);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    actions_[id] = a;
    return a;
}

// Every command of the window exists once; the menus and the tool bar show
// those that this program has.
void CMainFrame::createActions()
{
    addCommand(cmd::New, [this] { fileNew(); });
    addCommand(cmd::Open, [this] { fileOpen(); });
    addCommand(cmd::Save, [this] { fileSave(); });
    addCommand(cmd::SaveAs, [this] { fileSaveAs(); });
    // What is printed includes an entry still open in a cell editor.
    addCommand(cmd::Print, [this] {
        view_->commitCellEdit();
        if (hooks_.print)
            hooks_.print(*view_);
    });
    addCommand(cmd::PrintPreview, [this] {
        view_->commitCellEdit();
        if (hooks_.printPreview)
            hooks_.printPreview(*view_);
    });
    addCommand(cmd::PrintSetup, [this] {
        if (hooks_.printSetup)
            hooks_.printSetup(*view_);
    });
    for (int i = 0; i < kRecentFiles; ++i) {
        QAction* a = addCommand(cmd::RecentFile1 + i, [this, i] {
            const QStringList files = recentFiles();
            if (i < files.size())
                openFile(files[i]);
        });
        recentActions_.push_back(a);
    }
    recentSeparator_ = new QAction(this);
    recentSeparator_->setSeparator(true);
    addCommand(cmd::Exit, [this] { close(); });

    addCommand(cmd::ReadFromRadio, [this] { view_->readFromRadio(); });
    addCommand(cmd::WriteToRadio, [this] { view_->writeToRadio(); });
    addCommand(cmd::TestMode, [this] {
        if (hooks_.testMode)
            hooks_.testMode(*view_);
    });
    addCommand(cmd::OptionalFeatures, [this] { runDialogHook(hooks_.optionalFeatures, EditKind::OptionalFeatures); });
    addCommand(cmd::EditOptionalFeatures, [this] { runDialogHook(hooks_.optionalFeatures, EditKind::OptionalFeatures); });
    addCommand(cmd::KeyAssignment, [this] { runDialogHook(hooks_.keyAssignment, EditKind::KeyAssignment); });
    addCommand(cmd::TwoTone, [this] { runDialogHook(hooks_.twoTone, EditKind::TwoTone); });

    portGroup_ = new QActionGroup(this);
    portGroup_->setExclusive(true);
    for (const PortItem& p : kComPorts) {
        const std::string name = p.name;
        QAction* a = addCommand(p.id, [this, name] { choosePort(name); });
        a->setData(QString::fromLatin1(p.name));
        portActions_.push_back(a);
    }
    // Serial adapters are looked up each time the menu opens: a cable plugged
    // in after start-up shows, and start-up does not pay for the scan.
    adapterSeparator_ = new QAction(this);
    adapterSeparator_->setSeparator(true);
    adapterSeparator_->setVisible(false);
    QAction* virtualRadio = addCommand(cmd::VirtualRadio, [this] { choosePort("virtual"); });
    virtualRadio->setData(QStringLiteral("virtual"));
    virtualRadio->setStatusTip(tr("Talk to the built-in virtual radio instead of a cable"));
    portActions_.push_back(virtualRadio);
    for (QAction* a : portActions_) {
        a->setCheckable(true);
        portGroup_->addAction(a);
    }

    QAction* toolbar = addCommand(cmd::Toolbar, [] {});
    QAction* status = addCommand(cmd::StatusBar, [] {});
    for (QAction* a : {toolbar, status}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(toolbar, &QAction::toggled, this, [this](bool on) { toolBar_->setVisible(on); });
    connect(status, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    addCommand(cmd::HelpTopics, [this] { openHelp(); });
    addCommand(cmd::About, [this] { showAbout(); });

    // Keys beyond the menus: F1, as every status bar promises, and Shift+F1
    // open the help page; F6 moves between panes.
    const std::pair<QAction*, QKeySequence> keys[] = {
        {addCommand(cmd::ContextHelp, [this] { openHelp(); }), QKeySequence(Qt::SHIFT | Qt::Key_F1)},
        {addCommand(cmd::Help, [this] { openHelp(); }), QKeySequence(Qt::Key_F1)},
        {addCommand(cmd::NextPane, [this] { focusNextChild(); }), QKeySequence(Qt::Key_F6)},
        {addCommand(cmd::PreviousPane, [this] { focusPreviousChild(); }), QKeySequence(Qt::SHIFT | Qt::Key_F6)},
    };
    for (const auto& [a, key] : keys) {
        a->setShortcut(key);
        addAction(a);
    }
    action(cmd::ContextHelp)->setText(tr("Help"));

    for (const auto& [id, a] : actions_)
        applyOutline(id, a);

    setPrompt(action(cmd::ReadFromRadio), tr("Read Data From Radio\nRead"));
    setPrompt(action(cmd::WriteToRadio), tr("Write Data to Radio \nWrite"));
    for (const PortItem& p : kComPorts)
        setPrompt(action(p.id), tr(p.prompt));
    setPrompt(action(cmd::TestMode), tr("Debug TX Power,Squelch Level,Low Power Alert\nDebug on line"));
    setPrompt(action(cmd::OptionalFeatures), tr("Set the rest  functional features for the interphone"));
    setPrompt(action(cmd::EditOptionalFeatures), tr("Set the rest  functional features for the interphone"));
    setPrompt(action(cmd::KeyAssignment), tr("Assign functions to the side buttons\nKey Assignment"));
    setPrompt(action(cmd::New), tr("Create a new document\nNew"));
    setPrompt(action(cmd::Open), tr("Open an existing document\nOpen"));
    setPrompt(action(cmd::Save), tr("Save the active document\nSave"));
    setPrompt(action(cmd::SaveAs), tr("Save the active document with a new name\nSave As"));
    setPrompt(action(cmd::Print), tr("Print the active document\nPrint"));
    setPrompt(action(cmd::PrintPreview), tr("Display full pages\nPrint Preview"));
    setPrompt(action(cmd::PrintSetup), tr("Change the printer and printing options\nPrint Setup"));
    setPrompt(action(cmd::Exit), tr("Quit the application; prompts to save documents\nExit"));
    setPrompt(action(cmd::Toolbar), tr("Show or hide the toolbar\nToggle ToolBar"));
    setPrompt(action(cmd::StatusBar), tr("Show or hide the status bar\nToggle StatusBar"));
    setPrompt(action(cmd::HelpTopics), tr("List Help topics\nHelp Topics"));
    setPrompt(action(cmd::About), tr("Display program information, version number and copyright\nAbout"));
    setPrompt(action(cmd::ContextHelp), tr("Display help for clicked on buttons, menus and windows\nHelp"));
    for (QAction* a : recentActions_)
        setPrompt(a, tr("Open this document"));
    setPrompt(action(cmd::TwoTone), tr("Edit the two-tone signalling tables\nTwo Tone"));
}

// Captions and bound keys come from the program's menu outline.
void CMainFrame::applyOutline(int id, QAction* a)
{
    if (id == cmd::RecentFile1)
        return;
    for (const Menu& menu : doc_.edition().menus)
        for (const MenuItem& item : menu.items) {
            if (item.command != id)
                continue;
            a->setText(qs(item.caption.in(language_.resources)));
            const std::string& shown = item.caption.english;
            if (const auto tab = shown.find('\t'); item.bindsKey && tab != std::string::npos)
                a->setShortcut(QKeySequence(qs(shown.substr(tab + 1)), QKeySequence::PortableText));
        }
}

QAction* CMainFrame::attachCommand(int id, std::function<void()> run)
{
    QAction* a = addCommand(id, std::move(run));
    applyOutline(id, a);
    buildMenus();
    return a;
}

bool CMainFrame::hasCommand(int id) const
{
    switch (id) {
    case cmd::OptionalFeatures:
    case cmd::EditOptionalFeatures:
        return bool(hooks_.optionalFeatures);
    case cmd::KeyAssignment:
        return bool(hooks_.keyAssignment);
    case cmd::TwoTone:
        return bool(hooks_.twoTone);
    case cmd::TestMode:
        return bool(hooks_.testMode);
    case cmd::Print:
        return bool(hooks_.print);
    case cmd::PrintPreview:
        return bool(hooks_.printPreview);
    case cmd::PrintSetup:
        return bool(hooks_.printSetup);
    case cmd::SerialAdapters:
        return true;
    default:
        return action(id) != nullptr;
    }
}

// The menu bar of the outline, with the commands this program has; a separator
// stands only between two items that are shown.
void CMainFrame::buildMenus()
{
    menuBar()->clear();
    for (QMenu* m : menus_)
        delete m;
    menus_.clear();
    portMenu_ = nullptr;
    for (const Menu& outline : doc_.edition().menus) {
        QMenu* menu = menuBar()->addMenu(qs(outline.caption.in(language_.resources)));
        menus_.push_back(menu);
        bool separatorDue = false;
        for (const MenuItem& item : outline.items) {
            if (item.isSeparator()) {
                separatorDue = !menu->actions().isEmpty();
                continue;
            }
            if (!hasCommand(item.command))
                continue;
            if (separatorDue)
                menu->addSeparator();
            separatorDue = false;
            if (item.command == cmd::RecentFile1) {
                for (QAction* a : recentActions_)
                    menu->addAction(a);
                menu->addAction(recentSeparator_);
            } else if (item.command == cmd::SerialAdapters) {
                menu->addAction(adapterSeparator_);
                for (QAction* a : adapterActions_)
                    menu->addAction(a);
                portMenu_ = menu;
            } else {
                menu->addAction(action(item.command));
                if (item.command == cmd::Com1)
                    portMenu_ = menu;
            }
        }
        if (menu->actions().isEmpty()) {  // a menu of absent commands is absent too
            menus_.pop_back();
            delete menu;
        }
    }
    if (portMenu_)
        connect(portMenu_, &QMenu::aboutToShow, this, &CMainFrame::refreshAdapters);
}

void CMainFrame::buildToolBar()
{
    if (!toolBar_) {
        toolBar_ = addToolBar(tr("Standard"));
        toolBar_->setMovable(true);
        toolBar_->setIconSize(QSize(18, 18));
    }
    toolBar_->clear();
    const std::pair<int, ToolIcon> buttons[] = {
        {cmd::New, ToolIcon::New},     {cmd::Open, ToolIcon::Open},   {cmd::Save, ToolIcon::Save},
        {0, ToolIcon::New},            {cmd::ReadFromRadio, ToolIcon::Read}, {cmd::WriteToRadio, ToolIcon::Write},
        {cmd::TestMode, ToolIcon::TestMode}, {0, ToolIcon::New},      {cmd::Print, ToolIcon::Print},
        {cmd::ContextHelp, ToolIcon::ContextHelp}, {cmd::About, ToolIcon::About},
    };
    bool separatorDue = false;
    for (const auto& [id, icon] : buttons) {
        if (id == 0) {
            separatorDue = !toolBar_->actions().isEmpty();
            continue;
        }
        if (!hasCommand(id))
            continue;
        if (separatorDue)
            toolBar_->addSeparator();
        separatorDue = false;
        QAction* a = action(id);
        a->setIcon(toolIcon(icon));
        toolBar_->addAction(a);
    }
}

} // namespace tolvan

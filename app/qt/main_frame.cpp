#include "app/qt/main_frame.h"

#include "program/qt/local_path.h"
#include "program/qt/program_settings.h"
#include "app/qt/help_window.h"
#include "app/qt/program_window.h"
#include "app/qt/tool_icons.h"
#include "app/qt/user_dialogs.h"
#include "program/read_backup.h"
#include "program/sin_status_text.h"
#include "editor/qt/tol_view.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QStatusBar>
#include <QToolBar>
#include <QDialog>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tolvan {
namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

constexpr int kRecentFiles = 4;

struct PortItem {
    int id;
    const char* name;
    const char* prompt;
};

const PortItem kComPorts[] = {
    {cmd::Com1, "COM1", "Choose Communication Port one \nCom1"},
    {cmd::Com2, "COM2", "Choose Communication Port two \nCom2"},
    {cmd::Com3, "COM3", "Choose Communication Port three \nCom3"},
    {cmd::Com4, "COM4", "Choose Communication Port four \nCom4"},
};

// A prompt is "status text\ntool tip".
void setPrompt(QAction* a, const QString& prompt)
{
    const qsizetype nl = prompt.indexOf('\n');
    a->setStatusTip(nl < 0 ? prompt : prompt.left(nl));
    if (nl >= 0)
        a->setToolTip(prompt.mid(nl + 1));
}

} // namespace

CMainFrame::CMainFrame(CTolDoc& doc, const StartupLanguage& language, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), doc_(doc), language_(language), dialogs_(dialogs)
{
    const auto& branding = language_.branding;
    setWindowTitle(q(branding ? branding->title : doc_.edition().window(language_.language).title));
    setWindowIcon(toolIcon(ToolIcon::Application));
    setGeometry(60, 0, 1024, 768);
    setAcceptDrops(true);

    view_ = new CTolView(doc_, language_.language, this);
    view_->setBackupDirectory(readBackupDirectory(), language_.baseName);
    // An entry still open in a cell editor is part of what is saved.
    doc_.beforeSave = [this](MemoryImage& image) {
        view_->commitCellEdit();
        view_->gridToImage(image);
    };
    view_->notify = [this](const Notice& notice) {
        dialogs_.ask(this, notice.information ? QMessageBox::Information : QMessageBox::Warning,
                     notice.caption.empty() ? messageCaption() : q(notice.caption), q(notice.text), QMessageBox::Ok);
    };
    setCentralWidget(view_);

    createActions();
    buildMenus();
    buildToolBar();
    createStatusBar();
    connect(view_, &CTolView::hint, this, [this](const QString& text) {
        if (auto* pane = statusBar()->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            pane->setText(text);
    });
    connect(view_, &CTolView::transferStateChanged, this, &CMainFrame::setTransferRunning);
    connect(view_, &CTolView::backupFailed, this, [this](const QString& text) { message(text); });
    refreshPortChecks();
    refreshRecentFiles();
}

CMainFrame::~CMainFrame()
{
    doc_.beforeSave = nullptr;
}

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
            a->setText(q(item.caption.in(language_.resources)));
            const std::string& shown = item.caption.english;
            if (const auto tab = shown.find('\t'); item.bindsKey && tab != std::string::npos)
                a->setShortcut(QKeySequence(q(shown.substr(tab + 1)), QKeySequence::PortableText));
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

void CMainFrame::setHooks(FrameHooks hooks)
{
    hooks_ = std::move(hooks);
    buildMenus();
    buildToolBar();
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
        QMenu* menu = menuBar()->addMenu(q(outline.caption.in(language_.resources)));
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

void CMainFrame::createStatusBar()
{
    auto* pane = new QLabel(tr("For Help，Please Press F1"));
    pane->setMinimumWidth(200);
    statusBar()->addWidget(pane, 1);
    for (const char* key : {"CAP", "NUM", "SCRL"}) {
        auto* indicator = new QLabel(tr(key));
        indicator->setAlignment(Qt::AlignCenter);
        indicator->setMinimumWidth(indicator->fontMetrics().horizontalAdvance("SCRL") + 12);
        indicator->setEnabled(false);
        indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(indicator);
    }
}

QString CMainFrame::statusText() const
{
    if (!statusBar()->currentMessage().isEmpty())
        return statusBar()->currentMessage();
    const auto* pane = statusBar()->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    return pane ? pane->text() : QString();
}

void CMainFrame::choosePort(const std::string& port)
{
    view_->setPortName(port);
    refreshPortChecks();
}

void CMainFrame::refreshAdapters()
{
    if (!portMenu_)
        return;
    for (QAction* a : adapterActions_) {
        portActions_.erase(std::find(portActions_.begin(), portActions_.end(), a));
        delete a;
    }
    adapterActions_.clear();
    // The adapters follow their separator.
    const QList<QAction*> items = portMenu_->actions();
    const qsizetype at = items.indexOf(adapterSeparator_);
    QAction* before = at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString path = info.systemLocation();
        QString caption = path;
        if (!info.description().isEmpty())
            caption += " (" + info.description() + ")";
        auto* a = new QAction(caption, this);
        a->setData(path);
        a->setCheckable(true);
        a->setEnabled(!view_->transferRunning());
        connect(a, &QAction::triggered, this, [this, path] { choosePort(path.toStdString()); });
        portMenu_->insertAction(before, a);
        portGroup_->addAction(a);
        portActions_.push_back(a);
        adapterActions_.push_back(a);
    }
    adapterSeparator_->setVisible(!adapterActions_.empty());
    refreshPortChecks();
}

void CMainFrame::refreshPortChecks()
{
    // Exactly the item whose name equals the port name carries the check mark.
    const QString port = q(view_->portName());
    bool found = false;
    for (QAction* a : portActions_) {
        const bool on = a->data().toString() == port;
        a->setChecked(on);
        found |= on;
    }
    if (!found) {  // a typed device path that no item names
        if (QAction* checked = portGroup_->checkedAction())
            checked->setChecked(false);
    }
}

// A dialog that changed the image is one command Undo takes back.
void CMainFrame::runDialogHook(const std::function<bool(CTolView&)>& hook, EditKind kind)
{
    if (hook)
        view_->record(kind, [&] { hook(*view_); });
}

void CMainFrame::fileMessage(SinStatus status, const std::filesystem::path& path, const std::string& detail)
{
    message(q(sinStatusText(status, path, doc_.edition().imageSize, detail, language_.language)));
}

QString CMainFrame::fileType() const
{
    const std::string& type = doc_.edition().window(language_.language).fileType;
    return type.empty() ? tr("Channel Data (*.sin)") : q(type);
}

QString CMainFrame::messageCaption() const
{
    const std::string& caption = doc_.edition().window(language_.language).messageCaption;
    return caption.empty() ? windowTitle() : q(caption);
}

void CMainFrame::message(const QString& text)
{
    dialogs_.ask(this, QMessageBox::Warning, messageCaption(), text, QMessageBox::Ok);
}

bool CMainFrame::maybeSave()
{
    view_->commitCellEdit();  // an entry still being typed counts as a change
    if (!doc_.isModified())
        return true;
    const auto answer = dialogs_.ask(
        this, QMessageBox::Question, messageCaption(),
        tr("The channel data has changed.\nDo you want to save the changes?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return fileSave();
    return answer == QMessageBox::Discard;
}

bool CMainFrame::fileNew()
{
    if (!maybeSave())
        return false;
    doc_.OnNewDocument();
    view_->initialUpdate();
    return true;
}

bool CMainFrame::fileOpen()
{
    if (!maybeSave())
        return false;
    const QString path = dialogs_.openFileName(this, fileType());
    return !path.isEmpty() && loadFile(localPath(path));
}

bool CMainFrame::openFile(const QString& path)
{
    return openFile(localPath(path));
}

bool CMainFrame::openFile(const std::filesystem::path& path)
{
    return maybeSave() && loadFile(path);
}

bool CMainFrame::loadFile(const std::filesystem::path& path)
{
    // Another radio's file, by its length: opened only when the user says so.
    const SinLoadResult result = doc_.OnOpenDocument(path, [&](const SinLoadResult& longer) {
        const std::string text
            = longerFileText(path, longer.fileSize, doc_.edition(), language_.language, LongerFileUse::Open);
        return dialogs_.ask(this, QMessageBox::Question, messageCaption(), q(text), QMessageBox::Yes | QMessageBox::No)
               == QMessageBox::Yes;
    });
    if (result.status == SinStatus::Declined)
        return false;
    if (result.status != SinStatus::Ok) {
        // The document keeps its image and name; a missing recent file leaves the list.
        fileMessage(result.status, path, result.detail);
        return false;
    }
    addRecentFile(path);
    view_->initialUpdate();
    return true;
}

bool CMainFrame::fileSave()
{
    if (doc_.path().empty())
        return fileSaveAs();
    std::string detail;
    const SinStatus status = doc_.OnSaveDocument(doc_.path(), &detail);
    if (status != SinStatus::Ok) {
        fileMessage(status, doc_.path(), detail);
        return false;
    }
    addRecentFile(doc_.path());
    return true;
}

bool CMainFrame::fileSaveAs()
{
    const QString suggested = doc_.path().empty() ? tr("Write Data") + ".sin" : displayPath(doc_.path());
    QString path = dialogs_.saveFileName(this, suggested, fileType());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".sin";
    std::string detail;
    const SinStatus status = doc_.OnSaveDocument(localPath(path), &detail);
    if (status != SinStatus::Ok) {
        fileMessage(status, localPath(path), detail);
        return false;
    }
    addRecentFile(localPath(path));
    return true;
}

QStringList CMainFrame::recentFiles() const
{
    ProgramSettings s(language_.baseName);
    QStringList out;
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString f = s.value(QString("Recent File List/File%1").arg(i)).toString();
        if (!f.isEmpty())
            out << f;
    }
    return out;
}

void CMainFrame::addRecentFile(const std::filesystem::path& path)
{
    QStringList files = recentFiles();
    const QString full = QFileInfo(displayPath(path)).absoluteFilePath();
    files.removeAll(full);
    files.prepend(full);
    ProgramSettings s(language_.baseName);
    for (int i = 0; i < kRecentFiles; ++i)
        s.setValue(QString("Recent File List/File%1").arg(i + 1), i < files.size() ? files[i] : QString());
    refreshRecentFiles();
}

void CMainFrame::refreshRecentFiles()
{
    const QStringList files = recentFiles();
    for (int i = 0; i < kRecentFiles; ++i) {
        QAction* a = recentActions_[static_cast<std::size_t>(i)];
        a->setVisible(i < files.size());
        if (i < files.size())
            a->setText(QString("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
    }
    recentSeparator_->setVisible(!files.isEmpty());
}

void CMainFrame::setTransferRunning(bool running)
{
    // A transfer's pump passes must not start another command (New, Open, a
    // second transfer...) that would replace the image under it.
    for (auto& [id, a] : actions_)
        a->setEnabled(!running);
    for (QAction* a : portActions_)
        a->setEnabled(!running);
    if (!running && closeWhenTransferEnds_)
        close();
}

QString CMainFrame::helpFileName() const
{
    return language_.language == Language::English ? QStringLiteral("Tolvan_V_EN.html")
                                                   : QStringLiteral("Tolvan_V_CH.html");
}

void CMainFrame::openHelp()
{
    const QString name = helpFileName();
    const QString path = findHelpFile(name, QCoreApplication::applicationDirPath(), dataDirectories());
    if (!help_)
        help_ = new HelpWindow(this);
    if (path.isEmpty() || !help_->showFile(path)) {
        message(tr("Cannot find the help file %1.").arg(name));
        return;
    }
    help_->show();
    help_->raise();
}

void CMainFrame::showAbout()
{
    aboutDialog()->exec();
}

std::unique_ptr<QDialog> CMainFrame::aboutDialog()
{
    auto dialog = std::make_unique<QDialog>(this);
    QDialog& box = *dialog;
    auto* layout = new QGridLayout(&box);
    auto* icon = new QLabel;
    icon->setPixmap(toolIcon(ToolIcon::Application).pixmap(QSize(48, 48), devicePixelRatioF()));
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    if (const auto& branding = language_.branding) {
        box.setWindowTitle(q(branding->aboutCaption));
        auto* lines = new QVBoxLayout;
        for (const std::string* line : {&branding->company, &branding->version, &branding->company1})
            lines->addWidget(new QLabel(q(*line)));
        layout->addLayout(lines, 0, 1, 2, 1);
    } else {
        box.setWindowTitle(tr("About Tolvan"));
        layout->addWidget(new QLabel(q(doc_.edition().window(language_.language).aboutProgram)), 0, 1);
        layout->addWidget(new QLabel(tr("Copyright (C) Tolvan")), 1, 1);
    }
    auto* backups = new QLabel(tr("Every read from a radio is also kept in\n%1\n(the last %2 reads).")
                                   .arg(QString::fromStdString(readBackupDirectory().string()))
                                   .arg(kReadBackupsKept));
    backups->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(backups, 2, 1);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(ok, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(ok, 3, 0, 1, 2);
    return dialog;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (view_->transferRunning()) {
        closeWhenTransferEnds_ = true;
        if (hooks_.cancelTransfer)
            hooks_.cancelTransfer();
        event->ignore();
        return;
    }
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            openFile(url.toLocalFile());
            return;
        }
}

} // namespace tolvan

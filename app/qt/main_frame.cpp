#include "app/qt/main_frame.h"

#include "program/qt/local_path.h"
#include "app/qt/help_window.h"
#include "app/qt/program_window.h"
#include "app/qt/tool_icons.h"
#include "app/qt/user_dialogs.h"
#include "program/read_backup.h"
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
#include <QSettings>
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
const char* const kOrganisation = "Local AppWizard-Generated Applications";

struct PortItem {
    int id;
    const char* caption;
    const char* name;
    const char* prompt;
};

const PortItem kComPorts[] = {
    {cmd::Com1, "COM1(&P)\tCtrl+C", "COM1", "Choose Communication Port one \nCom1"},
    {cmd::Com2, "COM2(&Q)\tCtrl+D", "COM2", "Choose Communication Port two \nCom2"},
    {cmd::Com3, "COM3(&S)\tCtrl+E", "COM3", "Choose Communication Port three \nCom3"},
    {cmd::Com4, "COM4(&T)\tCtrl+F", "COM4", "Choose Communication Port four \nCom4"},
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
                     notice.caption.empty() ? windowTitle() : q(notice.caption), q(notice.text), QMessageBox::Ok);
    };
    setCentralWidget(view_);

    createMenus();
    createToolBar();
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

QAction* CMainFrame::addCommand(QMenu* menu, int id, const QString& caption, std::function<void()> run)
{
    auto* a = new QAction(caption, this);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    if (menu)
        menu->addAction(a);
    else
        addAction(a);
    actions_[id] = a;
    return a;
}

void CMainFrame::createMenus()
{
    QMenu* file = fileMenu_ = menuBar()->addMenu(tr("&File"));
    addCommand(file, cmd::New, tr("&New\tCtrl+N"), [this] { fileNew(); });
    addCommand(file, cmd::Open, tr("&Open...\tCtrl+O"), [this] { fileOpen(); });
    addCommand(file, cmd::Save, tr("&Save\tCtrl+S"), [this] { fileSave(); });
    addCommand(file, cmd::SaveAs, tr("Save &As..."), [this] { fileSaveAs(); });
    file->addSeparator();
    // What is printed includes an entry still open in a cell editor.
    addCommand(file, cmd::Print, tr("&Print...\tCtrl+P"), [this] {
        view_->commitCellEdit();
        if (hooks_.print)
            hooks_.print(*view_);
    });
    addCommand(file, cmd::PrintPreview, tr("Print Pre&view"), [this] {
        view_->commitCellEdit();
        if (hooks_.printPreview)
            hooks_.printPreview(*view_);
    });
    addCommand(file, cmd::PrintSetup, tr("P&rint Setup..."), [this] {
        if (hooks_.printSetup)
            hooks_.printSetup(*view_);
    });
    recentSeparator_ = file->addSeparator();
    for (int i = 0; i < kRecentFiles; ++i) {
        QAction* a = addCommand(file, cmd::RecentFile1 + i, QString(), [this, i] {
            const QStringList files = recentFiles();
            if (i < files.size())
                openFile(files[i]);
        });
        recentActions_.push_back(a);
    }
    file->addSeparator();
    addCommand(file, cmd::Exit, tr("E&xit"), [this] { close(); });

    QMenu* program = menuBar()->addMenu(tr("&Program"));
    addCommand(program, cmd::ReadFromRadio, tr("&Read From Radio\tCtrl+R"), [this] { view_->readFromRadio(); });
    program->addSeparator();
    addCommand(program, cmd::WriteToRadio, tr("&Write To Radio\tCtrl+W"), [this] { view_->writeToRadio(); });
    program->addSeparator();
    addCommand(program, cmd::TestMode, tr("&Test Mode\tCtrl+T"), [this] {
        if (hooks_.testMode)
            hooks_.testMode(*view_);
    });
    program->addSeparator();
    addCommand(program, cmd::OptionalFeatures, tr("&Optional Features\tCtrl+O"),
               [this] { runDialogHook(hooks_.optionalFeatures); });
    if (doc_.edition().hasTwoTone) {
        program->addSeparator();
        addCommand(program, cmd::TwoTone, tr("Two Tone\tCtrl+Y"), [this] { runDialogHook(hooks_.twoTone); });
    }

    portMenu_ = menuBar()->addMenu(tr("P&ort"));
    portGroup_ = new QActionGroup(this);
    portGroup_->setExclusive(true);
    for (const PortItem& p : kComPorts) {
        const std::string name = p.name;
        QAction* a = addCommand(portMenu_, p.id, tr(p.caption), [this, name] { choosePort(name); });
        a->setData(QString::fromLatin1(p.name));
        portActions_.push_back(a);
    }
    // Serial adapters are looked up each time the menu opens: a cable plugged
    // in after start-up shows, and start-up does not pay for the scan.
    adapterSeparator_ = portMenu_->addSeparator();
    adapterSeparator_->setVisible(false);
    connect(portMenu_, &QMenu::aboutToShow, this, &CMainFrame::refreshAdapters);
    virtualSeparator_ = portMenu_->addSeparator();
    auto* virtualRadio = new QAction(tr("Virtual Radio"), this);
    virtualRadio->setData(QStringLiteral("virtual"));
    virtualRadio->setStatusTip(tr("Talk to the built-in virtual radio instead of a cable"));
    connect(virtualRadio, &QAction::triggered, this, [this] { choosePort("virtual"); });
    portMenu_->addAction(virtualRadio);
    portActions_.push_back(virtualRadio);
    for (QAction* a : portActions_) {
        a->setCheckable(true);
        portGroup_->addAction(a);
    }

    QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
    QAction* toolbar = addCommand(viewMenu, cmd::Toolbar, tr("&Toolbar"), [] {});
    QAction* status = addCommand(viewMenu, cmd::StatusBar, tr("&Status Bar"), [] {});
    for (QAction* a : {toolbar, status}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(toolbar, &QAction::toggled, this, [this](bool on) { toolBar_->setVisible(on); });
    connect(status, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    addCommand(help, cmd::HelpTopics, tr("&Help Topics"), [this] { openHelp(); });
    help->addSeparator();
    addCommand(help, cmd::About, tr("&About Tolvan-2.0..."), [this] { showAbout(); });

    // Keys beyond the menus: F1 is bound to nothing on purpose, Shift+F1 opens
    // the help's contents, F6 moves between panes.
    addCommand(nullptr, cmd::ContextHelp, tr("Help"), [this] { openHelp(); })->setShortcut(Qt::SHIFT | Qt::Key_F1);
    addCommand(nullptr, cmd::Help, QString(), [] {})->setShortcut(Qt::Key_F1);
    addCommand(nullptr, cmd::NextPane, QString(), [this] { focusNextChild(); })->setShortcut(Qt::Key_F6);
    addCommand(nullptr, cmd::PreviousPane, QString(), [this] { focusPreviousChild(); })
        ->setShortcut(Qt::SHIFT | Qt::Key_F6);

    const std::pair<int, QKeySequence> keys[] = {
        {cmd::New, QKeySequence(Qt::CTRL | Qt::Key_N)},          {cmd::Open, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {cmd::Print, QKeySequence(Qt::CTRL | Qt::Key_P)},        {cmd::Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {cmd::ReadFromRadio, QKeySequence(Qt::CTRL | Qt::Key_R)}, {cmd::WriteToRadio, QKeySequence(Qt::CTRL | Qt::Key_W)},
        {cmd::TestMode, QKeySequence(Qt::CTRL | Qt::Key_T)},     {cmd::TwoTone, QKeySequence(Qt::CTRL | Qt::Key_Y)},
    };
    for (const auto& [id, key] : keys)
        if (QAction* a = action(id))
            a->setShortcut(key);

    setPrompt(action(cmd::ReadFromRadio), tr("Read Data From Radio\nRead"));
    setPrompt(action(cmd::WriteToRadio), tr("Write Data to Radio \nWrite"));
    for (const PortItem& p : kComPorts)
        setPrompt(action(p.id), tr(p.prompt));
    setPrompt(action(cmd::TestMode), tr("Debug TX Power,Squelch Level,Low Power Alert\nDebug on line"));
    setPrompt(action(cmd::OptionalFeatures), tr("Set the rest  functional features for the interphone"));
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
    if (QAction* a = action(cmd::TwoTone))
        setPrompt(a, tr("Edit the two-tone signalling tables\nTwo Tone"));
}

void CMainFrame::createToolBar()
{
    toolBar_ = addToolBar(tr("Standard"));
    toolBar_->setMovable(true);
    toolBar_->setIconSize(QSize(18, 18));
    const std::pair<int, ToolIcon> buttons[] = {
        {cmd::New, ToolIcon::New},     {cmd::Open, ToolIcon::Open},   {cmd::Save, ToolIcon::Save},
        {0, ToolIcon::New},            {cmd::ReadFromRadio, ToolIcon::Read}, {cmd::WriteToRadio, ToolIcon::Write},
        {cmd::TestMode, ToolIcon::TestMode}, {0, ToolIcon::New},      {cmd::Print, ToolIcon::Print},
        {cmd::ContextHelp, ToolIcon::ContextHelp}, {cmd::About, ToolIcon::About},
    };
    for (const auto& [id, icon] : buttons) {
        if (id == 0) {
            toolBar_->addSeparator();
            continue;
        }
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
    for (QAction* a : adapterActions_) {
        portActions_.erase(std::find(portActions_.begin(), portActions_.end(), a));
        delete a;
    }
    adapterActions_.clear();
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
        portMenu_->insertAction(virtualSeparator_, a);
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

void CMainFrame::runDialogHook(const std::function<bool(CTolView&)>& hook)
{
    if (hook && hook(*view_))
        doc_.setModified();
}

void CMainFrame::message(const QString& text)
{
    dialogs_.ask(this, QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok);
}

bool CMainFrame::maybeSave()
{
    view_->commitCellEdit();  // an entry still being typed counts as a change
    if (!doc_.isModified())
        return true;
    const auto answer = dialogs_.ask(
        this, QMessageBox::Question, windowTitle(),
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
    const QString path = dialogs_.openFileName(this, tr("Channel Data (*.sin)"));
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
    const SinLoadResult result = doc_.OnOpenDocument(path);
    if (result.status != SinStatus::Ok) {
        // The document keeps its image and name; a missing recent file leaves the list.
        message(q(describeSinStatus(result.status, path, doc_.edition().imageSize, result.detail)));
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
        message(q(describeSinStatus(status, doc_.path(), doc_.edition().imageSize, detail)));
        return false;
    }
    addRecentFile(doc_.path());
    return true;
}

bool CMainFrame::fileSaveAs()
{
    const QString suggested = doc_.path().empty() ? tr("Write Data") + ".sin" : displayPath(doc_.path());
    QString path = dialogs_.saveFileName(this, suggested, tr("Channel Data (*.sin)"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".sin";
    std::string detail;
    const SinStatus status = doc_.OnSaveDocument(localPath(path), &detail);
    if (status != SinStatus::Ok) {
        message(q(describeSinStatus(status, localPath(path), doc_.edition().imageSize, detail)));
        return false;
    }
    addRecentFile(localPath(path));
    return true;
}

QStringList CMainFrame::recentFiles() const
{
    QSettings s(kOrganisation, q(language_.baseName));
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
    QSettings s(kOrganisation, q(language_.baseName));
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

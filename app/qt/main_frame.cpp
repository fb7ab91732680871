// The main window: its parts put together, the status bar, messages, and
// what closing it and a running transfer mean for it.

#include "app/qt/main_frame.h"

#include "app/qt/main_frame_parts.h"
#include "app/qt/tool_icons.h"
#include "app/qt/user_dialogs.h"
#include "editor/qt/tol_view.h"
#include "program/read_backup.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>

namespace tolvan {

using namespace frame_parts;

CMainFrame::CMainFrame(CTolDoc& doc, const StartupLanguage& language, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), doc_(doc), language_(language), dialogs_(dialogs)
{
    const auto& branding = language_.branding;
    setWindowTitle(qs(branding ? branding->title : doc_.edition().window(language_.language).title));
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
                     notice.caption.empty() ? messageCaption() : qs(notice.caption), qs(notice.text), QMessageBox::Ok);
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

void CMainFrame::setHooks(FrameHooks hooks)
{
    hooks_ = std::move(hooks);
    buildMenus();
    buildToolBar();
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

// A dialog that changed the image is one command Undo takes back.
void CMainFrame::runDialogHook(const std::function<bool(CTolView&)>& hook, EditKind kind)
{
    if (hook)
        view_->record(kind, [&] { hook(*view_); });
}

QString CMainFrame::messageCaption() const
{
    const std::string& caption = doc_.edition().window(language_.language).messageCaption;
    return caption.empty() ? windowTitle() : qs(caption);
}

void CMainFrame::message(const QString& text)
{
    dialogs_.ask(this, QMessageBox::Warning, messageCaption(), text, QMessageBox::Ok);
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

} // namespace tolvan

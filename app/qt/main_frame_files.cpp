// The main window's files: New, Open, Save, Save As, the recent files and
// files dropped on the window.

#include "app/qt/main_frame.h"

#include "app/qt/main_frame_parts.h"
#include "app/qt/user_dialogs.h"
#include "editor/qt/tol_view.h"
#include "program/qt/local_path.h"
#include "program/qt/program_settings.h"
#include "program/sin_status_text.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMimeData>

namespace tolvan {

using namespace frame_parts;

void CMainFrame::fileMessage(SinStatus status, const std::filesystem::path& path, const std::string& detail)
{
    message(qs(sinStatusText(status, path, doc_.edition().imageSize, detail, language_.language)));
}

QString CMainFrame::fileType() const
{
    const std::string& type = doc_.edition().window(language_.language).fileType;
    return type.empty() ? tr("Channel Data (*.sin)") : qs(type);
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
        return dialogs_.ask(this, QMessageBox::Question, messageCaption(), qs(text), QMessageBox::Yes | QMessageBox::No)
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

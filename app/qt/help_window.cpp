#include "app/qt/help_window.h"

#include "codeplug/safe_file.h"
#include "program/qt/local_path.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>

namespace tolvan {
namespace {

// The help pages are some 8 KB: a file this large is no help page.
constexpr std::size_t kHelpPageLimit = 4 * 1024 * 1024;

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), contents_(new QListWidget), page_(new QTextBrowser)
{
    auto* split = new QSplitter(this);
    split->addWidget(contents_);
    split->addWidget(page_);
    split->setStretchFactor(1, 1);
    split->setSizes({280, 620});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);
    page_->setOpenExternalLinks(true);
    resize(900, 640);
    connect(contents_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            page_->scrollToAnchor(contents_->item(row)->data(Qt::UserRole).toString());
    });
}

bool HelpWindow::showFile(const QString& path)
{
    // The one safe reader: a help page is found by name in the current folder
    // too, where a pipe or a device of that name must not hang the window.
    std::string bytes;
    if (!readWholeFile(localPath(path), bytes, kHelpPageLimit).ok())
        return false;
    const QString html = QString::fromStdString(bytes);
    file_ = path;
    page_->setSearchPaths({QFileInfo(path).absolutePath()});
    page_->setHtml(html);
    contents_->clear();
    static const QRegularExpression heading(R"re(<h([12])\s+id="([^"]+)"[^>]*>(.*?)</h\1>)re",
                                            QRegularExpression::DotMatchesEverythingOption);
    for (auto it = heading.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QString title = m.captured(3);
        title.remove(QRegularExpression("<[^>]*>"));
        auto* item = new QListWidgetItem((m.captured(1) == "2" ? "   " : "") + title.trimmed(), contents_);
        item->setData(Qt::UserRole, m.captured(2));
    }
    const QRegularExpression titleTag("<title>(.*?)</title>");
    setWindowTitle(titleTag.match(html).captured(1));
    page_->scrollToAnchor(QString());
    return true;
}

QStringList HelpWindow::topics() const
{
    QStringList out;
    for (int i = 0; i < contents_->count(); ++i)
        out << contents_->item(i)->text().trimmed();
    return out;
}

QString findHelpFile(const QString& name, const QString& program, const QStringList& dirs)
{
    QStringList candidates;
    for (const QString& dir : dirs)
        candidates << QDir(dir).filePath("help/" + program + "/" + name) << QDir(dir).filePath(program + "/" + name);
    if (!dirs.isEmpty())
        candidates << QDir(dirs.front()).filePath(name);
    candidates << QDir::current().filePath(name);
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile())
            return path;
    return {};
}

} // namespace tolvan

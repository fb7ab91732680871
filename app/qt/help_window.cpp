#include "app/qt/help_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>

namespace tolvan {

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
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QString html = QString::fromUtf8(f.readAll());
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

QString findHelpFile(const QString& name, const QString& programDir, const QStringList& dataDirs)
{
    QStringList dirs{QDir::currentPath(), programDir};
    dirs += dataDirs;
    for (const QString& dir : dirs) {
        const QString path = QDir(dir).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace tolvan

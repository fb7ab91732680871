#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace tolvan {

// The help viewer: the help page's headings as contents on the left, the page
// on the right.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads `path` and shows its first topic; false when it cannot be read.
    bool showFile(const QString& path);
    QString currentFile() const { return file_; }
    QStringList topics() const;

private:
    QListWidget* contents_;
    QTextBrowser* page_;
    QString file_;
};

// The first existing `name` in the current directory, `programDir`, then the
// installed data directories; empty when there is none.
QString findHelpFile(const QString& name, const QString& programDir, const QStringList& dataDirs);

} // namespace tolvan

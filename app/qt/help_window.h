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

// The program's own page `name`: help/<program>/ or <program>/ under each of
// `dirs` (the program's folder, then the data folders: a build tree, an
// installed system), then `name` beside a copied program (the first of `dirs`)
// or in the current folder; empty when there is none.
QString findHelpFile(const QString& name, const QString& program, const QStringList& dirs);

} // namespace tolvan

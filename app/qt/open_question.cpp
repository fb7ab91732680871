#include "app/qt/open_question.h"

#include "program/qt/local_path.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvan {

QString openerCaption(Language language)
{
    return language == Language::English ? QStringLiteral("Tolvan programming tools")
                                         : QString::fromUtf8("Tolvan 写频软件");
}

OpenQuestion::OpenQuestion(const std::vector<const Edition*>& candidates, const std::filesystem::path& file,
                           Language language, QWidget* parent)
    : QDialog(parent)
{
    const bool english = language == Language::English;
    setWindowTitle(openerCaption(language));
    auto* layout = new QVBoxLayout(this);
    const QString name = displayPath(file.filename());
    QString question;
    if (file.empty())
        question = english ? tr("Which program do you want to start?") : QString::fromUtf8("要启动哪一个程序？");
    else if (english)
        question = QStringLiteral("\"%1\" fits the radios of several programs.\nWhich one should open it?").arg(name);
    else
        question = QString::fromUtf8("文件“%1”适合几个程序的对讲机。\n用哪一个程序打开它？").arg(name);
    auto* label = new QLabel(question, this);
    label->setWordWrap(true);
    layout->addWidget(label);
    for (const Edition* e : candidates) {
        // The program's name, and the radio it serves in the words of its --help.
        auto* button = new QPushButton(QString::fromStdString(e->id) + QStringLiteral("  —  ")
                                           + QString::fromStdString(e->radio),
                                       this);
        button->setAutoDefault(false);
        button->setStyleSheet(QStringLiteral("text-align: left; padding: 6px 10px;"));
        connect(button, &QPushButton::clicked, this, [this, e] {
            chosen_ = e;
            accept();
        });
        layout->addWidget(button);
        buttons_.push_back(button);
    }
    auto* cancel = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    if (!english)
        cancel->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("取消"));
    connect(cancel, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(cancel);
}

const Edition* OpenerWindows::choose(const std::vector<const Edition*>& candidates, const std::filesystem::path& file,
                                     Language language)
{
    OpenQuestion question(candidates, file, language);
    return question.exec() == QDialog::Accepted ? question.chosen() : nullptr;
}

void OpenerWindows::tell(const std::string& message, Language language)
{
    QMessageBox box(QMessageBox::Warning, openerCaption(language), QString::fromStdString(message), QMessageBox::Ok);
    box.exec();
}

} // namespace tolvan

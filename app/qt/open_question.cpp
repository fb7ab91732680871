#include "app/qt/open_question.h"

#include "program/opener_texts.h"
#include "program/qt/local_path.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvan {

QString openerCaption(Language language)
{
    return QString::fromStdString(openerTexts(language).caption);
}

OpenQuestion::OpenQuestion(const std::vector<const Edition*>& candidates, const std::filesystem::path& file,
                           Language language, QWidget* parent, const std::string& asked)
    : QDialog(parent)
{
    const OpenerTexts& t = openerTexts(language);
    setWindowTitle(openerCaption(language));
    auto* layout = new QVBoxLayout(this);
    const QString question = !asked.empty() ? QString::fromStdString(asked).arg(displayPath(file.filename()))
                             : file.empty() ? QString::fromStdString(t.whichProgram)
                                            : QString::fromStdString(t.whichOpens).arg(displayPath(file.filename()));
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
    cancel->button(QDialogButtonBox::Cancel)->setText(QString::fromStdString(t.cancel));
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

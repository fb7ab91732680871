#pragma once

#include "app/qt/user_dialogs.h"

#include <deque>
#include <vector>

namespace tolvan {

// Answers the window's questions from a script and records what was shown.
class FakeDialogs : public UserDialogs {
public:
    struct Shown {
        QString text;
        QMessageBox::StandardButtons buttons;
        QString title;
    };

    QMessageBox::StandardButton ask(QWidget*, QMessageBox::Icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons) override
    {
        shown.push_back({text, buttons, title});
        if (answers.empty())
            return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Cancel;
        const auto a = answers.front();
        answers.pop_front();
        return a;
    }
    QString openFileName(QWidget* parent, const QString& filter) override
    {
        fileTypes.push_back(filter);
        return realChoosers ? standardDialogs().openFileName(parent, filter) : next(openNames);
    }
    QString saveFileName(QWidget* parent, const QString& suggested, const QString& filter) override
    {
        fileTypes.push_back(filter);
        return realChoosers ? standardDialogs().saveFileName(parent, suggested, filter) : next(saveNames);
    }

    bool realChoosers = false;  // the file choosers the program shows, not the scripted names
    QStringList fileTypes;      // what each chooser offered
    std::deque<QMessageBox::StandardButton> answers;
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    std::vector<Shown> shown;

private:
    static QString next(std::deque<QString>& q)
    {
        if (q.empty())
            return {};
        QString s = q.front();
        q.pop_front();
        return s;
    }
};

} // namespace tolvan

#pragma once

#include "program/file_opener.h"

#include <QDialog>

#include <vector>

class QPushButton;

namespace tolvan {

// The opener's question: which program opens the file (or, without a file,
// which program to start). One button per candidate, named by its radio.
class OpenQuestion : public QDialog {
    Q_OBJECT
public:
    // `question` in place of the opener's own (another command asking whose file it is).
    OpenQuestion(const std::vector<const Edition*>& candidates, const std::filesystem::path& file, Language language,
                 QWidget* parent = nullptr, const std::string& question = {});

    const Edition* chosen() const { return chosen_; }
    // The candidates' buttons, in the candidates' order.
    const std::vector<QPushButton*>& programButtons() const { return buttons_; }

private:
    const Edition* chosen_ = nullptr;
    std::vector<QPushButton*> buttons_;
};

// The opener's questions and messages as windows.
class OpenerWindows : public OpenerDialogs {
public:
    const Edition* choose(const std::vector<const Edition*>& candidates, const std::filesystem::path& file,
                          Language language) override;
    void tell(const std::string& message, Language language) override;
};

// The opener's caption: "Tolvan programming tools", in the language given.
QString openerCaption(Language language);

} // namespace tolvan

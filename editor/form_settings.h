#pragma once

#include "editions/edition.h"

#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

// The lists of the form above the channel table ("Type", "Field", ...) as
// selections, and their transfers to and from the settings bytes the view owns.
// A selection of -1 is a list without a selection.
class FormSettings {
public:
    explicit FormSettings(const Edition& edition);

    const Edition& edition() const { return *edition_; }
    int count() const { return static_cast<int>(selections_.size()); }
    const FormList& list(int i) const { return edition_->formLists.at(static_cast<std::size_t>(i)); }

    int selection(int i) const { return selections_.at(static_cast<std::size_t>(i)); }
    void select(int i, int index) { selections_.at(static_cast<std::size_t>(i)) = index; }
    // Typing into a list's edit field: some lists snap back to a fixed index.
    void typed(int i);
    // The text of a list's edit field once the user is done with it (Enter, or
    // the field left): the entry it names, case aside, is chosen; any other
    // text is refused and the list keeps its choice.
    void finishTyping(int i, std::string_view text, Language language);

    // The "Data Password" edit, where the edition has one: the digits found in
    // the image, written back digit by digit (anything else as 0xFF).
    bool hasPassword() const { return edition_->passwordOffset.has_value(); }
    const std::string& password() const { return password_; }
    void setPassword(std::string text) { password_ = std::move(text); }

    // Image-to-form: every list from its byte; values the list cannot show
    // select the list's fallback, never an error.
    void loadFromImage(const MemoryImage& image);
    // Form-to-image: every list into its byte, then the fixed stamps.
    void storeToImage(MemoryImage& image) const;

private:
    const Edition* edition_;
    std::vector<int> selections_;
    std::string password_;
};

} // namespace tolvan

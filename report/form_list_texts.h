#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tolvan {

class FormSettings;

// The texts of the form lists that the settings report prints, as the form shows them.
struct FormListTexts {
    std::string type;
    std::string field;
    std::string txPowerRank;
    // Every list's text by its (English) label, in the form's order.
    std::vector<std::pair<std::string, std::string>> byLabel;

    // The text of the list with that label; empty when the form has none.
    std::string of(std::string_view label) const;
};

// What the form's lists show for its selections (empty for a list the edition
// lacks or one without a selection).
FormListTexts formListTexts(const FormSettings& form, Language language);

// The same for an image read by the form's own rules: a report made without the
// program window (batch export).
FormListTexts formListTextsFromImage(const Edition& edition, Language language, const MemoryImage& image);

} // namespace tolvan

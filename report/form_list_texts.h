#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"

#include <string>

namespace tolvan {

// The texts of the form lists that the settings report prints, as the form shows them.
struct FormListTexts {
    std::string type;
    std::string field;
    std::string txPowerRank;
};

// The lists' texts read straight from the image by the form's own reading rules:
// for a report made without the program window (batch export). The window passes
// what its lists show instead, which may hold a choice not yet stored.
FormListTexts formListTextsFromImage(const Edition& edition, const MemoryImage& image);

} // namespace tolvan

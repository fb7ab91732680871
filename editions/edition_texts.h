#pragma once

#include "editions/edition.h"

namespace tolvan {

// The shared wording the editions start from; each edition then changes what
// its radio says differently.
EditionTexts twoToneEnglishTexts();
EditionTexts twoToneChineseTexts();
EditionTexts keyAssignmentEnglishTexts();

} // namespace tolvan

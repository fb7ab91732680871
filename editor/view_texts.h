#pragma once

#include "editions/edition.h"

#include <string>

namespace tolvan {

// What the cursor is over, for the status-bar hint of the channel view.
enum class HintTarget { List, Grid, Other };

// The status-bar hint; the commas of the English texts are full-width.
const std::string& viewHint(HintTarget target, Language language);

} // namespace tolvan

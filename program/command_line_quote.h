#pragma once

#include <string>

namespace tolvan {

// Adds one argument to a Windows command line so that the runtime's parser
// gives it back unchanged: quoted when empty or holding a blank or a quote;
// backslashes stay as they are except before a quote, where each is doubled
// and the quote escaped, and before the closing quote. Plain text, so the rule
// is tested on every system.
void appendQuotedArgument(std::wstring& line, const std::wstring& argument);

} // namespace tolvan

#pragma once

#include <string>
#include <string_view>

namespace tolvan {

// Blanks as the C library's isspace sees them in the "C" locale.
bool isBlankChar(char c);
std::string trim(std::string_view text);
std::string trimRight(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace tolvan

#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

// Blanks as the C library's isspace sees them in the "C" locale.
bool isBlankChar(char c);
std::string trim(std::string_view text);
std::string trimRight(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// `pattern` with %1 to %9 made the values, in one pass: a value (a device or
// file name the user gave) is never searched for marks itself. A mark without
// a value stays as it is.
std::string filledIn(std::string_view pattern, std::initializer_list<std::string_view> values);

// The items with `separator` between them.
std::string joined(const std::vector<std::string>& items, std::string_view separator);

} // namespace tolvan

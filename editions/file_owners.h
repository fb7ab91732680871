#pragma once

#include "editions/edition.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tolvan {

// The programs a .sin file belongs to. A file is a radio's memory image byte
// for byte, so its length names the size of the radio's memory; programs that
// share a size are told apart only by bytes that tell their radios apart.

// The editions whose image is exactly `length` bytes, in the fixed order.
std::vector<const Edition*> editionsOfLength(std::uintmax_t length);

// The editions of the file's length, narrowed by the lists above the table that
// every one of them keeps in the same byte ("Type" and "Field") where the file
// holds a value that only some of them store: a model or band that one radio
// has and another lacks. A value none of them stores narrows nothing. Empty
// when no edition has the file's length.
std::vector<const Edition*> ownersOfFile(std::string_view bytes);

} // namespace tolvan

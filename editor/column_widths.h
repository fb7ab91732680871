#pragma once

#include "editions/edition.h"

namespace tolvan {

// A column's width as a multiple of W, the width of the transmit column as the
// grid starts up: the channel number narrow, frequencies wide, lists short.
double columnWidthFactor(Column column);

} // namespace tolvan

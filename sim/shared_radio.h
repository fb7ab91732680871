#pragma once

#include "editions/edition.h"
#include "link/port.h"

#include <string>

namespace tolvan {

// The radio behind the "virtual" port: one per program run, started on first
// use with a few sample channels, keeping what is written to it until exit.
// A non-empty `password` ("virtual:123456") is stored in it as its data
// password, so a protected radio can be tried. On Linux it answers behind a
// pseudo-terminal through the real serial port; on Windows, which has none,
// in the same process.
PortOpenResult openSharedVirtualRadio(const Edition& edition, const std::string& password,
                                      const TimeoutProfile& profile, Language language);

} // namespace tolvan

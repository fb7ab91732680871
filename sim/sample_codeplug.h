#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"

namespace tolvan {

// A new document of the edition with a few channels in use: what the virtual
// radio holds when a run first talks to it.
MemoryImage sampleCodeplug(const Edition& edition);

} // namespace tolvan

#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"

namespace tolvan {

// An image as the window stores it on saving: every channel record from its
// table row and the form's settings bytes from its lists, which write some
// bytes their own way (flag bits, stamps, one band width for all channels).
// What a command writes without a window must be this, never what the window
// never would.
MemoryImage imageAsSaved(const Edition& edition, MemoryImage image);

// The command line's --new writes a new document as the window saves it.
void registerNewDocumentAsSaved();

} // namespace tolvan

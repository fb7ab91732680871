#pragma once

#include "codeplug/memory_image.h"
#include "link/clone_session.h"  // Direction

#include <functional>
#include <optional>
#include <string>

namespace tolvan {

// Runs one clone transfer with the radio on `port`. A read returns the image
// the radio sent, only when every block arrived; a write returns the image it
// sent when it completed. Cancelled or failed: nothing (the transfer has shown
// its own message).
using TransferFunction =
    std::function<std::optional<MemoryImage>(Direction direction, const std::string& port, const MemoryImage& image)>;

} // namespace tolvan

#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"
#include "program/sin_status_text.h"

#include <filesystem>
#include <optional>

namespace tolvan {

// Loads the .sin file a command reads. A file that cannot be used is reported on
// stderr and gives nothing. A file longer than the program's image (most
// likely another radio's) is named on stderr with the programs it fits; `use`
// says what happens to it: Read and Write go on with its first bytes,
// WriteRefused gives nothing.
std::optional<MemoryImage> loadCommandFile(const Edition& edition, const std::filesystem::path& path,
                                           Language language, LongerFileUse use = LongerFileUse::Read);

} // namespace tolvan

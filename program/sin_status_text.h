#pragma once

#include "codeplug/sin_file.h"
#include "editions/edition.h"

#include <filesystem>
#include <string>

namespace tolvan {

// The sentence of describeSinStatus in the program's language; the Chinese one
// also gives the system's reason in Chinese.
std::string sinStatusText(SinStatus status, const std::filesystem::path& path, std::size_t imageSize,
                          const std::string& detail, Language language);

} // namespace tolvan

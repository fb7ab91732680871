#pragma once

#include "codeplug/safe_file.h"
#include "codeplug/sin_file.h"
#include "editions/edition.h"

#include <filesystem>
#include <string>

namespace tolvan {

// The sentence of describeSinStatus in the program's language; the Chinese one
// also gives the system's reason in Chinese.
std::string sinStatusText(SinStatus status, const std::filesystem::path& path, std::size_t imageSize,
                          const std::string& detail, Language language);
// A reason the safe reader or writer gives ("it is a pipe, not a regular file"),
// in the program's language.
std::string fileReasonText(const std::string& reason, Language language);
// describeWriteFault in the program's language.
std::string writeFaultText(const FileResult& result, const std::filesystem::path& target, Language language);

} // namespace tolvan

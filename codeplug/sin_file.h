#pragma once

#include "codeplug/memory_image.h"
#include "codeplug/safe_file.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tolvan {

// A .sin file is the memory image byte for byte: no header, no checksum.

enum class SinStatus {
    Ok,
    CannotOpen,   // missing, unreadable, a directory, ...
    Empty,        // 0 bytes
    TooShort,     // fewer bytes than the edition's image
    CannotWrite,  // saving failed; the previous file is untouched
    Declined,     // a longer file (another radio's) that the user chose not to open
};

struct SinLoadResult {
    SinStatus status = SinStatus::CannotOpen;
    std::optional<MemoryImage> image;  // set only when status is Ok
    std::string detail;                // the system's reason, when there is one
    std::uintmax_t fileSize = 0;       // the whole file's length, once it could be opened

    // A file longer than the image: most likely another radio's (its caller asks or says so).
    bool longer() const { return image && fileSize > image->size(); }
};

// Reads the first `imageSize` bytes of a regular file (a pipe or device is
// refused, never waited on). A longer file is accepted (the rest is
// ignored, `fileSize` tells); an empty or shorter file is an error and yields
// no image, so the caller's document stays as it was.
SinLoadResult loadSin(const std::filesystem::path& path, std::size_t imageSize);

// Writes the image to a temporary file beside `path` and renames it over `path`,
// so a failed save never destroys the previous file; `rules` name the inputs it
// may not replace.
SinStatus saveSin(const std::filesystem::path& path, const MemoryImage& image, std::string* detail = nullptr,
                  const OutputRules& rules = {});

// A short sentence for a message box or stderr, naming the file.
std::string describeSinStatus(SinStatus status, const std::filesystem::path& path, std::size_t imageSize,
                              const std::string& detail = {});

} // namespace tolvan

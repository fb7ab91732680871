#pragma once

#include "codeplug/safe_file.h"
#include "codeplug/sin_file.h"
#include "editions/edition.h"

#include <cstdint>
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

// "x.sin" holds N bytes (more than the `imageSize` of this program's radio, when
// given): the programs whose image is that long, each with its radio, or that
// no program keeps files of that length.
std::string fileLengthText(const std::filesystem::path& path, std::uintmax_t fileSize, std::size_t imageSize,
                           Language language);

// What is done with a file longer than the program's image.
enum class LongerFileUse {
    Open,          // the window asks whether to open it
    Compare,       // the window asks whether to compare with it
    Read,          // a command reads its first bytes
    Write,         // --write with --accept-length sends its first bytes
    WriteRefused,  // --write without --accept-length
};

// Names the program(s) whose image the file's length fits (or says that none
// does), then what happens to it: a file of another radio written into this
// one would program it with another model's memory.
std::string longerFileText(const std::filesystem::path& path, std::uintmax_t fileSize, const Edition& edition,
                           Language language, LongerFileUse use);

} // namespace tolvan

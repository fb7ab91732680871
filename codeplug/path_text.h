#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tolvan {

// A file name the user typed (a command-line argument) as a path. The text is
// UTF-8 on Windows (the arguments come from the wide command line) and becomes
// the UTF-16 name, where a plain conversion would read it in the ANSI code
// page; on Linux the same call keeps the system's bytes as they are.
inline std::filesystem::path pathFromText(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace tolvan

#pragma once

#include <string>
#include <vector>

namespace tolvan {

// The window's command line: [--port PORT] [--screenshot OUT.png] [FILE].
struct WindowArgs {
    std::string port = "COM1";  // every start begins at COM1 unless told otherwise
    std::string file;
    std::string screenshot;
    bool ok = true;  // false: an unknown option, a missing value, a repeated option or a second file
    std::string error;  // what was wrong, when not ok
};

WindowArgs parseWindowArgs(const std::vector<std::string>& args);

} // namespace tolvan

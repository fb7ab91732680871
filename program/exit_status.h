#pragma once

namespace tolvan {

// Exit status of every program run from the command line.
enum ExitStatus : int {
    kExitDone = 0,
    kExitUsage = 1,
    kExitFileError = 2,
    kExitLinkError = 3,
    kExitDeclined = 4,
    kExitDifferent = 5,  // --diff: the two files differ
};

} // namespace tolvan

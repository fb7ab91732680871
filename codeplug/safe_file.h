#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tolvan {

// The one way this system writes and reads files. Paths are the system's bytes
// (std::filesystem::path holds them unchanged), so any name the file system
// accepts works, up to its limits.

enum class FileFault {
    None,
    NotRegular,    // a folder, device, pipe or socket stands at the path
    DanglingLink,  // a symbolic link to nothing: writing would create a file elsewhere
    ReadOnly,      // the user may not write the file, or its folder
    SameAsInput,   // the output is the very file being read
    ChannelFile,   // an export aimed at a channel data file (.sin)
    TooLarge,      // a file to read is larger than any this system writes of its kind
    SystemError,   // the system refused; the reason is its own text
};

struct FileResult {
    FileFault fault = FileFault::None;
    std::string reason;  // a short clause for a message: "it is a pipe, not a regular file"
    bool ok() const { return fault == FileFault::None; }
};

// A wrong choice of names on the command line (swapped or repeated arguments)
// rather than a file that failed.
bool isUsageFault(FileFault fault);

struct OutputRules {
    std::filesystem::path input;        // the file being read, if any: the output may not be it
    bool isExport = false;              // CSV, PDF, PNG: never replaces a channel data file
    std::filesystem::path secondInput;  // a second file being read (an import's base), likewise
};

// Everything that can be said about the output before any work is done (the
// folder is there and may be written, the target is a kind that may be
// replaced, it is none of the inputs under any name), so a command can refuse
// before it talks to a radio or draws a page.
FileResult checkOutputFile(const std::filesystem::path& target, const OutputRules& rules = {});

// Checks, then writes `bytes` to a temporary file with a short name in the
// target's folder, flushes and syncs it and renames it over the target. A
// symbolic link is followed (its target gets the data, the link stays); the
// permissions of a file being replaced are kept. On any failure the previous
// file is untouched and no temporary file is left. Temporary files of killed
// saves (older than a minute) in that folder are removed.
FileResult writeFileSafely(const std::filesystem::path& target, std::string_view bytes,
                           const OutputRules& rules = {});

// Opens a file for reading without blocking on a pipe or device and refuses
// anything but a regular file. Returns the descriptor (blocking, close-on-exec;
// binary on Windows) or -1 with `result` saying why.
int openRegularFile(const std::filesystem::path& path, FileResult& result);

// Reads at most `limit` bytes from the start of a regular file; `fileSize`, when
// given, gets the whole file's length.
FileResult readFileSafely(const std::filesystem::path& path, std::string& out, std::size_t limit,
                          std::uintmax_t* fileSize = nullptr);

// Reads a whole regular file, refusing one longer than `limit` bytes
// (FileFault::TooLarge) before it is read.
FileResult readWholeFile(const std::filesystem::path& path, std::string& out, std::size_t limit);

// Creates an empty file where nothing stands: never over a file, never through
// a link. False when something stands there or the system refuses.
bool createEmptyFile(const std::filesystem::path& path);

// "Cannot write "x": it is read-only." and the like, for a message box or stderr.
std::string describeWriteFault(const FileResult& result, const std::filesystem::path& target);

// The name of the temporary files of this system (the prefix and six letters
// or digits); exposed for tests.
constexpr std::string_view kSafeFileTemporaryPrefix = ".tolvan-";
bool isSafeFileTemporary(std::string_view name);

// A channel data file by its name (".sin" in any case), which an export never replaces.
bool isChannelFileName(const std::filesystem::path& path);

} // namespace tolvan

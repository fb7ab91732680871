#pragma once

// Runs a built program as a user would, without a shell: exactly these argument
// bytes, its error stream collected, a time limit so a hang fails the test.

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan::testing {

// A program of the build by the name the tests use ("cps16"), with the
// system's suffix for programs.
inline std::filesystem::path programFile(const std::filesystem::path& folder, const std::string& name)
{
    return folder / (name + TOLVAN_PROGRAM_SUFFIX);
}

inline constexpr std::uint64_t kNoFileLimit = std::numeric_limits<std::uint64_t>::max();

struct Spawn {
    std::filesystem::path program = TOLVAN_BIN_DIR;  // folder of the program, or the program itself
    std::uint64_t fileLimit = kNoFileLimit;          // RLIMIT_FSIZE of the child (Linux only)
    int stderrFd = -1;                              // instead of the pipe we read
    // Empty: the null device. On Windows its line ends are read as text
    // (CR LF as LF) once the program has ended, as the error stream's are.
    std::filesystem::path stdoutFile;
    std::filesystem::path cwd;                      // empty: the test's own
    // Where reads keep their backups (XDG_DATA_HOME; LOCALAPPDATA on Windows): never the user's own.
    std::filesystem::path dataHome = std::filesystem::temp_directory_path() / "tolvan-test-data";
    // Where the user's ini file and settings live (XDG_CONFIG_HOME): never the user's own.
    std::filesystem::path configHome = std::filesystem::temp_directory_path() / "tolvan-test-config";
    // LANG, the system's language as the programs see it on Linux; Windows
    // takes the user's interface language instead, the same for every program.
    std::string lang = "C.UTF-8";
    // False: no display and no Qt platform named (DISPLAY, WAYLAND_DISPLAY and
    // QT_QPA_PLATFORM unset); true: the offscreen platform.
    bool display = true;
};

// A program started in the background; its status is the exit status (128 +
// the signal when killed on Linux), -1 when it outlived the time limit; one
// that cannot be started gives 127 on Linux, -1 on Windows. How it is started
// is the system's own: run_program_posix.cpp, run_program_win.cpp.
class Child {
public:
    Child(const std::string& name, const std::vector<std::string>& args, const Spawn& how = {});
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // Reads the error stream until `seen` holds for what came so far; false
    // when the stream ended or stayed quiet for the time limit first.
    bool waitFor(const std::function<bool(const std::string&)>& seen, int quietMs = 30000)
    {
        while (!seen(err))
            if (errRead_ < 0 || !readSome(quietMs))
                return false;
        return true;
    }
    // Ctrl+C, as SIGINT (Linux only).
    void interrupt() const;
    // Whether the program still has its own handler for `signal`: a one-shot
    // handler is given back the moment the signal is taken (Linux only).
    bool handles(int signal) const;
    int wait(int limitMs = 30000);

    std::string err;

private:
    // Appends what the error stream has within `ms`; false when it had
    // nothing or has ended (an ended stream still waits `ms`, as the pause of wait()).
    bool readSome(int ms);

    std::intptr_t process_ = -1;  // the process id; its handle on Windows
    std::intptr_t errRead_ = -1;  // our end of the error stream's pipe
    std::filesystem::path stdoutFile_;
};

// The writing end of a pipe whose reader has gone away, for a child's error stream.
class ReaderGone {
public:
    ReaderGone();
    ~ReaderGone();
    ReaderGone(const ReaderGone&) = delete;
    ReaderGone& operator=(const ReaderGone&) = delete;
    int fd() const { return fd_; }

private:
    int fd_ = -1;
};

struct RunResult {
    int status;
    std::string err;
};

inline RunResult run(const std::string& name, const std::vector<std::string>& args, const Spawn& how = {})
{
    Child child(name, args, how);
    const int status = child.wait();
    return {status, child.err};
}

// A text with the test's folder named DIR; a name under it reads with '/'
// where the system separates names with '\\'.
inline std::string named(std::string text, const std::filesystem::path& dir)
{
    for (std::size_t at; (at = text.find(dir.string())) != std::string::npos;) {
        text.replace(at, dir.string().size(), "DIR");
        if (std::filesystem::path::preferred_separator == '/')
            continue;
        const std::string_view ends = " \t\n\r\"'(),:";
        for (at += 3; at < text.size() && ends.find(text[at]) == std::string_view::npos; ++at)
            if (text[at] == '\\')
                text[at] = '/';
    }
    return text;
}

// What a command ended in: its status and its error stream, one message a line.
// Qt's notes about the environment and the progress counts (paced by the
// clock) are left out; a read backup's time stamp reads YYYYMMDD-HHMMSS.
inline std::string result(const std::string& what, const RunResult& r, const std::filesystem::path& dir)
{
    std::istringstream lines(r.err);
    std::string out = named(what, dir) + ": " + std::to_string(r.status) + "\n";
    for (std::string line; std::getline(lines, line);)
        if (!line.starts_with("QStandardPaths:") && !line.ends_with("propagateSizeHints()")
            && !std::regex_search(line, std::regex(": [0-9]+/[0-9]+$")))
            out += "  " + std::regex_replace(named(line, dir), std::regex("-[0-9]{8}-[0-9]{6}"), "-YYYYMMDD-HHMMSS")
                   + "\n";
    return out;
}

// Runs the program and tells what it ended in, headed by its command line.
inline std::string runShown(const std::string& name, const std::vector<std::string>& args,
                            const std::filesystem::path& dir, const Spawn& how = {})
{
    std::string line = name;
    for (const std::string& arg : args)
        line += " " + arg;
    return result(line, run(name, args, how), dir);
}

} // namespace tolvan::testing

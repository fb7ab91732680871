#pragma once

// Runs a built program as a user would, without a shell: exactly these argument
// bytes, its error stream collected, a time limit so a hang fails the test.

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <poll.h>
#include <regex>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tolvan::testing {

struct Spawn {
    std::filesystem::path program = TOLVAN_BIN_DIR;  // folder of the program, or the program itself
    rlim_t fileLimit = RLIM_INFINITY;               // RLIMIT_FSIZE of the child
    int stderrFd = -1;                              // instead of the pipe we read
    std::filesystem::path stdoutFile;               // empty: /dev/null
    std::filesystem::path cwd;                      // empty: the test's own
    // Where reads keep their backups (XDG_DATA_HOME): never the user's own.
    std::filesystem::path dataHome = std::filesystem::temp_directory_path() / "tolvan-test-data";
    // Where the user's ini file and settings live (XDG_CONFIG_HOME): never the user's own.
    std::filesystem::path configHome = std::filesystem::temp_directory_path() / "tolvan-test-config";
    std::string lang = "C.UTF-8";  // LANG, the system's language as the programs see it
};

// A program started in the background; its status is the exit status, 128 +
// the signal when killed, -1 when it outlived the time limit.
class Child {
public:
    Child(const std::string& name, const std::vector<std::string>& args, const Spawn& how = {})
    {
        const auto exe = std::filesystem::is_directory(how.program) ? how.program / name : how.program;
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            if (how.fileLimit != RLIM_INFINITY) {
                const rlimit limit{how.fileLimit, how.fileLimit};
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            const int devNull = open("/dev/null", O_RDWR);
            dup2(devNull, 0);
            dup2(how.stdoutFile.empty() ? devNull : open(how.stdoutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
            dup2(how.stderrFd >= 0 ? how.stderrFd : fds[1], 2);
            std::vector<char*> argv{const_cast<char*>(exe.c_str())};
            for (const std::string& a : args)
                argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            unsetenv("LC_ALL");
            unsetenv("LC_MESSAGES");
            setenv("LANG", how.lang.c_str(), 1);
            setenv("XDG_DATA_HOME", how.dataHome.c_str(), 1);
            setenv("XDG_CONFIG_HOME", how.configHome.c_str(), 1);
            if (!how.cwd.empty() && chdir(how.cwd.c_str()) != 0)
                _exit(127);
            execv(exe.c_str(), argv.data());
            _exit(127);
        }
        close(fds[1]);
        err_ = fds[0];
    }
    ~Child()
    {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (err_ >= 0)
            close(err_);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // Reads the error stream until `seen` holds for what came so far; false
    // when the stream ended or stayed quiet for the time limit first.
    bool waitFor(const std::function<bool(const std::string&)>& seen, int quietMs = 30000)
    {
        while (!seen(err))
            if (err_ < 0 || !readSome(quietMs))
                return false;
        return true;
    }
    void interrupt() const { kill(pid_, SIGINT); }
    // Whether the program still has its own handler for `signal`: a one-shot
    // handler is given back the moment the signal is taken.
    bool handles(int signal) const
    {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.starts_with("SigCgt:"))
                return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
        return false;
    }
    int wait(int limitMs = 30000)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
        while (std::chrono::steady_clock::now() < end) {
            readSome(50);
            int raw = 0;
            if (waitpid(pid_, &raw, WNOHANG) == pid_) {
                pid_ = -1;
                while (readSome(0)) {
                }
                return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
            }
        }
        return -1;
    }

    std::string err;

private:
    bool readSome(int ms)
    {
        pollfd p{err_, POLLIN, 0};
        char buffer[4096];
        if (poll(err_ < 0 ? nullptr : &p, err_ < 0 ? 0 : 1, ms) <= 0)
            return false;
        const ssize_t n = read(err_, buffer, sizeof buffer);
        if (n <= 0) {
            close(err_);
            err_ = -1;
            return false;
        }
        err.append(buffer, static_cast<std::size_t>(n));
        return true;
    }

    pid_t pid_ = -1;
    int err_ = -1;
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

// A text with the test's folder named DIR.
inline std::string named(std::string text, const std::filesystem::path& dir)
{
    for (std::size_t at; (at = text.find(dir.string())) != std::string::npos;)
        text.replace(at, dir.string().size(), "DIR");
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

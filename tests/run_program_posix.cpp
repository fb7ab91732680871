// Child (run_program.h) on Linux: fork and exec, the error stream through a pipe.

#include "run_program.h"

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tolvan::testing {

Child::Child(const std::string& name, const std::vector<std::string>& args, const Spawn& how)
{
    const auto exe = std::filesystem::is_directory(how.program) ? programFile(how.program, name) : how.program;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return;
    const pid_t pid = fork();
    if (pid == 0) {
        if (how.fileLimit != kNoFileLimit) {
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
        if (how.display) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        } else {
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                unsetenv(name);
        }
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
    process_ = pid;
    close(fds[1]);
    errRead_ = fds[0];
}

Child::~Child()
{
    if (process_ > 0) {
        kill(static_cast<pid_t>(process_), SIGKILL);
        waitpid(static_cast<pid_t>(process_), nullptr, 0);
    }
    if (errRead_ >= 0)
        close(static_cast<int>(errRead_));
}

void Child::interrupt() const
{
    kill(static_cast<pid_t>(process_), SIGINT);
}

bool Child::handles(int signal) const
{
    std::ifstream status("/proc/" + std::to_string(process_) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("SigCgt:"))
            return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

int Child::wait(int limitMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (std::chrono::steady_clock::now() < end) {
        readSome(50);
        int raw = 0;
        if (waitpid(static_cast<pid_t>(process_), &raw, WNOHANG) == process_) {
            process_ = -1;
            while (readSome(0)) {
            }
            return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
        }
    }
    return -1;
}

bool Child::readSome(int ms)
{
    const int fd = static_cast<int>(errRead_);
    pollfd p{fd, POLLIN, 0};
    char buffer[4096];
    if (poll(fd < 0 ? nullptr : &p, fd < 0 ? 0 : 1, ms) <= 0)
        return false;
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) {
        close(fd);
        errRead_ = -1;
        return false;
    }
    err.append(buffer, static_cast<std::size_t>(n));
    return true;
}

ReaderGone::ReaderGone()
{
    int fds[2];
    if (pipe(fds) == 0) {
        close(fds[0]);
        fd_ = fds[1];
    }
}

ReaderGone::~ReaderGone()
{
    if (fd_ >= 0)
        close(fd_);
}

} // namespace tolvan::testing

// Child (run_program.h) on Windows: CreateProcessW with the command line a
// program's CommandLineToArgvW splits back into exactly these arguments, the
// error stream through a pipe, the others from NUL or to a file.

#include "run_program.h"
#include "codeplug/wide_text.h"
#include "program/command_line_quote.h"
#include "temp_dir.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <chrono>
#include <fstream>

namespace tolvan::testing {
namespace {

// Our environment with the variables run_program.h names set as on Linux
// (the user's data folder is LOCALAPPDATA here), sorted by name without case
// as Windows keeps an environment block. A program copied out of the build
// finds the build's DLLs and Qt plugins through PATH and QT_PLUGIN_PATH.
std::wstring environmentBlock(const Spawn& how)
{
    const std::wstring bin = std::filesystem::absolute(TOLVAN_BIN_DIR).make_preferred().wstring();
    std::vector<std::pair<std::wstring, std::wstring>> set = {
        {L"LANG", wideFromText(how.lang)},
        {L"LOCALAPPDATA", how.dataHome.wstring()},
        {L"XDG_CONFIG_HOME", how.configHome.wstring()},
        {L"QT_PLUGIN_PATH", bin},
        {L"PATH", bin + (_wgetenv(L"PATH") ? L";" + std::wstring(_wgetenv(L"PATH")) : L"")},
    };
    if (how.display)
        set.emplace_back(L"QT_QPA_PLATFORM", L"offscreen");
    const auto upper = [](std::wstring name) {
        CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
        return name;
    };
    std::vector<std::wstring> entries;
    if (wchar_t* ours = GetEnvironmentStringsW()) {
        for (const wchar_t* at = ours; *at; at += wcslen(at) + 1) {
            const std::wstring entry = at;
            const std::wstring name = upper(entry.substr(0, entry.find(L'=', 1)));
            const bool replaced = std::ranges::any_of(set, [&](const auto& s) { return s.first == name; });
            if (!replaced && name != L"LC_ALL" && name != L"LC_MESSAGES" && name != L"QT_QPA_PLATFORM")
                entries.push_back(entry);
        }
        FreeEnvironmentStringsW(ours);
    }
    for (const auto& [name, value] : set)
        entries.push_back(name + L"=" + value);
    std::ranges::sort(entries, [&](const std::wstring& a, const std::wstring& b) { return upper(a) < upper(b); });
    std::wstring block;
    for (const std::wstring& entry : entries)
        block += entry + L'\0';
    return block + L'\0';
}

HANDLE openInheritable(const std::wstring& name, DWORD access, DWORD disposition)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(name.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE asHandle(std::intptr_t h)
{
    return reinterpret_cast<HANDLE>(h);
}

// A text stream of the C runtime ends its lines with CR LF here.
void asText(std::string& text)
{
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;)
        text.erase(at, 1);
}

} // namespace

Child::Child(const std::string& name, const std::vector<std::string>& args, const Spawn& how)
{
    const auto exe = std::filesystem::is_directory(how.program) ? programFile(how.program, name) : how.program;
    stdoutFile_ = how.stdoutFile;
    std::wstring line;
    appendQuotedArgument(line, exe.wstring());
    for (const std::string& a : args)
        appendQuotedArgument(line, wideFromText(a));

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    errRead_ = reinterpret_cast<std::intptr_t>(readEnd);
    HANDLE errOut = writeEnd;
    if (how.stderrFd >= 0) {
        DuplicateHandle(GetCurrentProcess(), reinterpret_cast<HANDLE>(_get_osfhandle(how.stderrFd)),
                        GetCurrentProcess(), &errOut, 0, TRUE, DUPLICATE_SAME_ACCESS);
    }
    const HANDLE in = openInheritable(L"NUL", GENERIC_READ, OPEN_EXISTING);
    const HANDLE out = how.stdoutFile.empty() ? openInheritable(L"NUL", GENERIC_WRITE, OPEN_EXISTING)
                                              : openInheritable(how.stdoutFile.wstring(), GENERIC_WRITE, CREATE_ALWAYS);

    // Only these three handles go to the child: a pipe of another child
    // running at the same time stays open only as long as that child.
    HANDLE handed[] = {in, out, errOut};
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::vector<char> attributes(size);
    STARTUPINFOEXW start{};
    start.StartupInfo.cb = sizeof start;
    start.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    start.StartupInfo.hStdInput = in;
    start.StartupInfo.hStdOutput = out;
    start.StartupInfo.hStdError = errOut;
    DWORD flags = CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW;
    start.lpAttributeList = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    if (InitializeProcThreadAttributeList(start.lpAttributeList, 1, 0, &size)
        && UpdateProcThreadAttribute(start.lpAttributeList, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handed,
                                     sizeof handed, nullptr, nullptr))
        flags |= EXTENDED_STARTUPINFO_PRESENT;

    std::wstring environment = environmentBlock(how);
    const std::wstring cwd = how.cwd.wstring();
    PROCESS_INFORMATION started{};
    if (CreateProcessW(exe.wstring().c_str(), line.data(), nullptr, nullptr, TRUE, flags, environment.data(),
                       cwd.empty() ? nullptr : cwd.c_str(), &start.StartupInfo, &started)) {
        process_ = reinterpret_cast<std::intptr_t>(started.hProcess);
        CloseHandle(started.hThread);
    } else {
        err = "cannot start " + exe.string() + ": error " + std::to_string(GetLastError()) + "\n";
    }
    if (flags & EXTENDED_STARTUPINFO_PRESENT)
        DeleteProcThreadAttributeList(start.lpAttributeList);
    // The child holds its own copies: the pipe ends when it does.
    for (const HANDLE h : {in, out, writeEnd})
        CloseHandle(h);
    if (errOut != writeEnd)
        CloseHandle(errOut);
}

Child::~Child()
{
    if (process_ != -1) {
        TerminateProcess(asHandle(process_), 1);
        WaitForSingleObject(asHandle(process_), INFINITE);
        CloseHandle(asHandle(process_));
    }
    if (errRead_ != -1)
        CloseHandle(asHandle(errRead_));
}

void Child::interrupt() const {}

bool Child::handles(int) const
{
    return false;
}

int Child::wait(int limitMs)
{
    if (process_ == -1)
        return -1;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (std::chrono::steady_clock::now() < end) {
        // What the pipe holds, then a wait on the program itself: the pipe is
        // asked only between waits, so a slow start costs Wine little.
        while (readSome(0)) {
        }
        if (WaitForSingleObject(asHandle(process_), 20) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(asHandle(process_), &code);
            CloseHandle(asHandle(process_));
            process_ = -1;
            while (readSome(0)) {
            }
            asText(err);
            if (!stdoutFile_.empty()) {
                std::string out = contents(stdoutFile_);
                asText(out);
                std::ofstream(stdoutFile_, std::ios::binary) << out;
            }
            return static_cast<int>(code);
        }
    }
    // Outlived the limit: ended here, as the destructor would.
    TerminateProcess(asHandle(process_), 1);
    return -1;
}

// An anonymous pipe has no wait with a time limit: asked how much it holds
// every few milliseconds instead.
bool Child::readSome(int ms)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (errRead_ == -1) {
            Sleep(static_cast<DWORD>(ms));
            return false;
        }
        DWORD available = 0;
        if (!PeekNamedPipe(asHandle(errRead_), nullptr, 0, nullptr, &available, nullptr)) {
            CloseHandle(asHandle(errRead_));
            errRead_ = -1;
            return false;
        }
        if (available > 0) {
            char buffer[4096];
            DWORD n = 0;
            if (!ReadFile(asHandle(errRead_), buffer, std::min<DWORD>(available, sizeof buffer), &n, nullptr) || n == 0)
                return false;
            err.append(buffer, n);
            if (!err.ends_with('\r'))
                asText(err);
            return true;
        }
        if (std::chrono::steady_clock::now() >= end)
            return false;
        Sleep(10);
    }
}

ReaderGone::ReaderGone()
{
    int fds[2];
    if (_pipe(fds, 4096, _O_BINARY) == 0) {
        _close(fds[0]);
        fd_ = fds[1];
    }
}

ReaderGone::~ReaderGone()
{
    if (fd_ >= 0)
        _close(fd_);
}

} // namespace tolvan::testing

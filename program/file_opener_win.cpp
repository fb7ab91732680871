#include "program/file_opener.h"

#include "codeplug/path_text.h"
#include "program/command_line_quote.h"
#include "program/platform.h"

#include <cstdlib>
#include <iostream>
#include <windows.h>

namespace tolvan {

// Windows has no exec: the program beside the opener is started with the
// arguments, and the opener waits for it, so its exit status is the
// program's own as on Linux.
void execProgramBeside(const std::string& program, const std::vector<std::string>& args)
{
    const std::filesystem::path exe = executablePath().parent_path() / pathFromText(program + ".exe");
    std::wstring line;
    appendQuotedArgument(line, exe.wstring());
    for (const std::string& arg : args)
        appendQuotedArgument(line, pathFromText(arg).wstring());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD status = 0;
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hProcess);
        std::exit(static_cast<int>(status));
    }
    std::cerr << "tolvan-open: cannot start " << program << ": error " << GetLastError() << '\n';
}

} // namespace tolvan

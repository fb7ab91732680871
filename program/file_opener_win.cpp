#include "program/file_opener.h"

#include "codeplug/path_text.h"
#include "program/platform.h"

#include <cstdlib>
#include <iostream>
#include <windows.h>

namespace tolvan {

// Windows has no exec: the program beside the opener is started with the
// arguments, each quoted (a Windows file name holds no quote), and the opener
// ends once it runs.
void execProgramBeside(const std::string& program, const std::vector<std::string>& args)
{
    const std::filesystem::path exe = executablePath().parent_path() / pathFromText(program + ".exe");
    std::wstring line = L"\"" + exe.wstring() + L"\"";
    for (const std::string& arg : args)
        line += L" \"" + pathFromText(arg).wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        std::exit(0);
    }
    std::cerr << "tolvan-open: cannot start " << program << ": error " << GetLastError() << '\n';
}

} // namespace tolvan

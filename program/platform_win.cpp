#include "program/platform.h"

#include "codeplug/wide_text.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>

namespace tolvan {
namespace {

} // namespace

std::filesystem::path executablePath()
{
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (n == 0)
            return {};
        if (n < name.size()) {
            name.resize(n);
            return std::filesystem::path(name);
        }
        name.resize(name.size() * 2);  // cut short: a long path
    }
}

std::vector<std::string> programArguments(int argc, char** argv)
{
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i)
        out.push_back(textFromWide(wide[i]));
    LocalFree(wide);
    return out;
}

void prepareStandardStreams()
{
    // A failed write is an error the caller sees: there are no such signals
    // here. A window program has no standard streams unless its caller handed
    // some over (a pipe, a file); the console it was started from takes them.
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if ((err == nullptr || err == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
}

bool desktopSessionPresent()
{
    return true;
}

bool systemLanguageIsChinese()
{
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE;
}

const char* settingsOrganisation()
{
    return "Local AppWizard-Generated Applications";
}

std::filesystem::path systemIniFolder()
{
    return {};
}

std::filesystem::path userConfigHome()
{
    return {};
}

std::filesystem::path userDataHome()
{
    if (const wchar_t* local = _wgetenv(L"LOCALAPPDATA"); local && *local)
        return std::filesystem::path(local);
    return executablePath().parent_path();
}

std::filesystem::path offscreenFontFolder()
{
    std::wstring windows(MAX_PATH, L'\0');
    const UINT n = GetWindowsDirectoryW(windows.data(), static_cast<UINT>(windows.size()));
    if (n == 0 || n >= windows.size())
        return {};
    windows.resize(n);
    return std::filesystem::path(windows) / L"Fonts";
}

} // namespace tolvan

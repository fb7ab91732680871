#include "program/platform.h"

#include <csignal>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace tolvan {

std::filesystem::path executablePath()
{
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : self;
}

std::vector<std::string> programArguments(int argc, char** argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

void prepareStandardStreams()
{
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

// The C library's locale variables (LC_ALL, LC_MESSAGES, LANG): Chinese when
// the first one set starts with "zh".
bool systemLanguageIsChinese()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return std::string_view(value).rfind("zh", 0) == 0;
    }
    return false;
}

bool desktopSessionPresent()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* value = std::getenv(name); value && *value)
            return true;
    return false;
}

const char* settingsOrganisation()
{
    return "tolvan";
}

std::filesystem::path systemIniFolder()
{
    return "/etc/tolvan";
}

std::filesystem::path userConfigHome()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (config && *config)
        return config;
    return home && *home ? std::filesystem::path(home) / ".config" : std::filesystem::path();
}

std::filesystem::path userDataHome()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    return data && *data ? std::filesystem::path(data)
                         : std::filesystem::path(home && *home ? home : ".") / ".local" / "share";
}

std::filesystem::path offscreenFontFolder()
{
    return {};
}

} // namespace tolvan

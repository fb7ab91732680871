#include "link/port_names.h"

#include "codeplug/path_text.h"
#include "program/ini_file.h"
#include "program/ini_layers.h"
#include "program/language.h"
#include "program/platform.h"
#include "codeplug/text_util.h"
#include "link/serial_port.h"

#include <algorithm>
#include <filesystem>

namespace tolvan {

namespace fs = std::filesystem;

namespace {

std::vector<NamedPort>& namedPortList()
{
    static std::vector<NamedPort> list;
    return list;
}

} // namespace

void registerNamedPort(NamedPort port)
{
    auto& list = namedPortList();
    std::erase_if(list, [&](const NamedPort& p) { return p.name == port.name; });
    list.push_back(std::move(port));
}

const std::vector<NamedPort>& namedPorts()
{
    return namedPortList();
}

const std::vector<std::string>& comPortNames()
{
    static const std::vector<std::string> names = {"COM1", "COM2", "COM3", "COM4"};
    return names;
}

std::string resolvePortName(const std::string& name, const IniLookup* ini)
{
    const auto& com = comPortNames();
    if (ini && std::find(com.begin(), com.end(), name) != com.end()) {
        const std::string mapped = trim(ini->getValue("PORTS", name, ""));
        if (!mapped.empty())
            return systemComDevice(mapped).value_or(mapped);
    }
    return systemComDevice(name).value_or(name);
}

const IniLookup& programIniFile()
{
    static const IniLayers ini = [] {
        IniLayers files;
        const fs::path exe = executablePath();
        if (!exe.empty())
            files.load(iniLocations(exe.parent_path()), programBaseName(exe.string()), false);
        return files;
    }();
    return ini;
}

PortOpenResult SystemPortOpener::open(const std::string& name, const TimeoutProfile& profile)
{
    for (const NamedPort& named : namedPorts()) {
        std::string option;
        if (name.starts_with(named.name + ":"))
            option = name.substr(named.name.size() + 1);
        else if (name != named.name)
            continue;
        return named.open(edition_, option, profile, language_);
    }
    return SerialPort::open(resolvePortName(name, ini_), profile, language_);
}

} // namespace tolvan

#include "link/port_names.h"

#include "program/ini_file.h"
#include "program/ini_layers.h"
#include "program/language.h"
#include "codeplug/text_util.h"
#include "link/serial_port.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

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
    const auto it = std::find(com.begin(), com.end(), name);
    if (it == com.end())
        return name;
    if (ini) {
        const std::string mapped = trim(ini->getValue("PORTS", name, ""));
        if (!mapped.empty())
            return mapped;
    }
    return "/dev/ttyS" + std::to_string(it - com.begin());
}

std::vector<std::string> listSerialAdapters()
{
    std::vector<std::string> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/sys/class/tty", ec)) {
        const fs::path driver = entry.path() / "device" / "driver";
        if (!fs::exists(driver, ec))
            continue;
        const std::string driverName = fs::read_symlink(driver, ec).filename().string();
        // The legacy lines are always listed (COM1..COM4) and mostly absent.
        if (driverName == "serial8250" || driverName == "port")
            continue;
        const fs::path device = fs::path("/dev") / entry.path().filename();
        if (fs::exists(device, ec))
            found.push_back(device.string());
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::string serialDriverOf(const std::string& device)
{
    std::error_code ec;
    const fs::path real = fs::canonical(device, ec);
    if (ec)
        return {};
    fs::path node = fs::path("/sys/class/tty") / real.filename() / "device";
    // Newer kernels put a generic port and controller layer between the line
    // and the driver that runs it: look past them.
    for (int depth = 0; depth < 4 && fs::exists(node, ec); ++depth, node /= "..") {
        const fs::path driver = fs::read_symlink(node / "driver", ec);
        if (ec)
            return {};
        if (driver.string().find("/serial-base/") == std::string::npos)
            return driver.filename().string();
    }
    return {};
}

const IniLookup& programIniFile()
{
    static const IniLayers ini = [] {
        IniLayers files;
        std::error_code ec;
        const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
        if (!ec)
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
        const std::string device = named.device(edition_, option);
        if (device.empty())
            return {nullptr, named.failure};
        return SerialPort::open(device, profile, language_);
    }
    return SerialPort::open(resolvePortName(name, ini_), profile, language_);
}

} // namespace tolvan

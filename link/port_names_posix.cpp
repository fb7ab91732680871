#include "link/port_names.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

// The serial lines of Linux: the legacy ones by number, the others found in
// sysfs by the driver that runs them.

namespace tolvan {

namespace fs = std::filesystem;

std::optional<std::string> systemComDevice(const std::string& name)
{
    const auto& com = comPortNames();
    const auto it = std::find(com.begin(), com.end(), name);
    if (it == com.end())
        return std::nullopt;
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

std::string serialAdapterDescription(const std::string& device)
{
    // A USB adapter names its product a level or two above the line.
    std::error_code ec;
    const fs::path real = fs::canonical(device, ec);
    if (ec)
        return {};
    fs::path node = fs::canonical(fs::path("/sys/class/tty") / real.filename() / "device", ec);
    for (int depth = 0; !ec && depth < 3; ++depth, node = node.parent_path()) {
        std::ifstream product(node / "product");
        std::string text;
        if (product && std::getline(product, text) && !text.empty())
            return text;
    }
    return {};
}

} // namespace tolvan

#include "link/port_names.h"

#include "codeplug/wide_text.h"

#include <algorithm>
#include <windows.h>

// The serial lines of Windows: COM1..COM256, found in the registry's device
// map, where every driver of a serial line enters the COM name it was given.

namespace tolvan {
namespace {

// 1..256 for "COMn" in any case, else 0.
int comNumber(const std::string& name)
{
    if (name.size() < 4 || name.size() > 6)
        return 0;
    for (int i = 0; i < 3; ++i)
        if ((name[i] & ~0x20) != "COM"[i])
            return 0;
    int n = 0;
    for (char c : name.substr(3)) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return name[3] != '0' && n <= 256 ? n : 0;
}

// The device map's entries: the driver's device ("\Device\Serial0") and the
// COM name it serves.
std::vector<std::pair<std::string, std::string>> deviceMap()
{
    std::vector<std::pair<std::string, std::string>> found;
    HKEY key{};
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return found;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        wchar_t data[64];
        DWORD nameSize = 256, dataSize = sizeof data, type = 0;
        const LONG r = RegEnumValueW(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataSize);
        if (r == ERROR_NO_MORE_ITEMS)
            break;
        if (r != ERROR_SUCCESS || type != REG_SZ)
            continue;
        std::wstring port(data, dataSize / sizeof(wchar_t));
        while (!port.empty() && port.back() == L'\0')
            port.pop_back();
        found.emplace_back(textFromWide(std::wstring_view(name, nameSize)), textFromWide(port));
    }
    RegCloseKey(key);
    return found;
}

} // namespace

// The prefix reaches COM10 and above, which the plain name does not.
std::optional<std::string> systemComDevice(const std::string& name)
{
    const int n = comNumber(name);
    if (n == 0)
        return std::nullopt;
    return "\\\\.\\COM" + std::to_string(n);
}

std::vector<std::string> listSerialAdapters()
{
    std::vector<int> numbers;
    for (const auto& [driver, port] : deviceMap())
        if (const int n = comNumber(port); n > 4)  // COM1..COM4 are always listed
            numbers.push_back(n);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    std::vector<std::string> found;
    for (int n : numbers)
        found.push_back("COM" + std::to_string(n));
    return found;
}

std::string serialDriverOf(const std::string& device)
{
    const std::string name = device.starts_with("\\\\.\\") ? device.substr(4) : device;
    const int n = comNumber(name);
    for (const auto& [driver, port] : deviceMap())
        if (n != 0 && comNumber(port) == n)
            return driver;
    return {};
}

std::string serialAdapterDescription(const std::string& device)
{
    return serialDriverOf(device);
}

} // namespace tolvan

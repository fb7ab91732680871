#pragma once

#include "editions/edition.h"
#include "link/port.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tolvan {

class IniLookup;

// A port that start-up adds by name (the built-in virtual radio), opened by
// its own function; "NAME:OPTION" opens the same port and hands OPTION over.
struct NamedPort {
    std::string name;         // "virtual"
    std::string description;  // shown by --list-ports
    std::function<PortOpenResult(const Edition&, const std::string& option, const TimeoutProfile&, Language)> open;
};

void registerNamedPort(NamedPort port);
const std::vector<NamedPort>& namedPorts();

// "COM1".."COM4" map to the device the ini section "PORTS" names for them
// ("COM1=/dev/ttyUSB0"), else to the system's own (systemComDevice); every
// other name is a device path used as given. A COM name the system knows,
// given or mapped to, opens the system's device for it.
std::string resolvePortName(const std::string& name, const IniLookup* ini);

// The four names of the Port menu.
const std::vector<std::string>& comPortNames();

// The device a COM name opens on this system: /dev/ttyS0../dev/ttyS3 for
// "COM1".."COM4" on Linux; \\.\COM1..\\.\COM256 on Windows (any case).
// Nothing for any other name.
std::optional<std::string> systemComDevice(const std::string& name);

// Serial adapters the system has (USB and other non-legacy lines), as device
// paths on Linux and COM names beyond COM4 on Windows.
std::vector<std::string> listSerialAdapters();

// What the system calls the adapter behind a line ("FT232R USB UART"), for the
// Port menu; empty when it says nothing.
std::string serialAdapterDescription(const std::string& device);

// The kernel driver behind a serial device ("ftdi_sio", "cdc_acm", "serial8250"),
// through any symlink to it; empty when it has none (a pseudo-terminal).
std::string serialDriverOf(const std::string& device);

// The running program's ini files (beside it, the system's, the user's), read
// once; none is created here.
const IniLookup& programIniFile();

// Opens the names a user may give: the COM names, device paths and named ports.
class SystemPortOpener : public PortOpener {
public:
    // Failures are explained in `language`.
    SystemPortOpener(const Edition& edition, const IniLookup* ini, Language language = Language::English)
        : edition_(edition), ini_(ini), language_(language)
    {
    }
    PortOpenResult open(const std::string& name, const TimeoutProfile& profile) override;

private:
    const Edition& edition_;
    const IniLookup* ini_;
    Language language_;
};

} // namespace tolvan

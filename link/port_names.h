#pragma once

#include "editions/edition.h"
#include "link/port.h"

#include <functional>
#include <string>
#include <vector>

namespace tolvan {

class CIniFile;

// A port that start-up adds by name (the built-in virtual radio): opening it
// asks `device` for the device to open; an empty path fails with `failure`.
struct NamedPort {
    std::string name;         // "virtual"
    std::string description;  // shown by --list-ports
    std::function<std::string(const Edition&)> device;
    std::string failure;
};

void registerNamedPort(NamedPort port);
const std::vector<NamedPort>& namedPorts();

// "COM1".."COM4" map to the device the ini section "PORTS" names for them
// ("COM1=/dev/ttyUSB0"), else to /dev/ttyS0../dev/ttyS3; every other name is a
// device path used as given.
std::string resolvePortName(const std::string& name, const CIniFile* ini);

// The four names of the Port menu.
const std::vector<std::string>& comPortNames();

// Serial adapters the system has (USB and other non-legacy lines), as device paths.
std::vector<std::string> listSerialAdapters();

// The kernel driver behind a serial device ("ftdi_sio", "cdc_acm", "serial8250"),
// through any symlink to it; empty when it has none (a pseudo-terminal).
std::string serialDriverOf(const std::string& device);

// The program's own ini file (its directory, its base name, ".ini"), read once
// if it exists; it is never created here.
const CIniFile& programIniFile();

// Opens the names a user may give: the COM names, device paths and named ports.
class SystemPortOpener : public PortOpener {
public:
    // Failures are explained in `language`.
    SystemPortOpener(const Edition& edition, const CIniFile* ini, Language language = Language::English)
        : edition_(edition), ini_(ini), language_(language)
    {
    }
    PortOpenResult open(const std::string& name, const TimeoutProfile& profile) override;

private:
    const Edition& edition_;
    const CIniFile* ini_;
    Language language_;
};

} // namespace tolvan

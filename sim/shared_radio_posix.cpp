#include "sim/shared_radio.h"

#include "link/serial_port.h"
#include "sim/pty_radio.h"
#include "sim/sample_codeplug.h"

#include <mutex>

namespace tolvan {

PortOpenResult openSharedVirtualRadio(const Edition& edition, const std::string& password,
                                      const TimeoutProfile& profile, Language language)
{
    static std::mutex guard;
    static std::unique_ptr<PtyRadio> radio;
    std::string device;
    {
        std::lock_guard lock(guard);
        if (!radio) {
            try {
                radio = std::make_unique<PtyRadio>(std::make_unique<VirtualRadio>(sampleCodeplug(edition)), true);
            } catch (const std::exception&) {
                return {nullptr, "The virtual radio could not be started: no pseudo-terminal."};
            }
        }
        radio->withRadio([&](VirtualRadio& r) {
            // Nobody reads this radio's transcript: kept whole, it would grow with
            // every transfer of a long demonstration.
            r.clearTranscript();
            if (!password.empty())
                r.setPassword(edition, password);
        });
        device = radio->devicePath();
    }
    return SerialPort::open(device, profile, language);
}

} // namespace tolvan

#include "sim/shared_radio.h"

#include "sim/radio_port.h"
#include "sim/sample_codeplug.h"

#include <mutex>

namespace tolvan {

PortOpenResult openSharedVirtualRadio(const Edition& edition, const std::string& password,
                                      const TimeoutProfile& profile, Language)
{
    static std::mutex guard;
    static std::unique_ptr<VirtualRadio> radio;
    std::lock_guard lock(guard);
    if (!radio)
        radio = std::make_unique<VirtualRadio>(sampleCodeplug(edition));
    // Nobody reads this radio's transcript: kept whole, it would grow with
    // every transfer of a long demonstration.
    radio->clearTranscript();
    if (!password.empty())
        radio->setPassword(edition, password);
    return RadioPortOpener(*radio).open("virtual", profile);
}

} // namespace tolvan

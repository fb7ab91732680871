#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"
#include "link/batch_host.h"
#include "link/port.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tolvan {

struct FleetOptions {
    bool verify = false;
    BatchLinkHost::Answers answers;
    bool pauses = true;  // false: the exchange's pauses return at once (tests)
};

// How the write to one port ended.
struct FleetResult {
    std::string port;
    int exitStatus = 0;  // as the command line reports it
    std::string text;    // one line: written, verified, or what failed
};

// Gives each port's thread an opener of its own.
using OpenerFactory = std::function<std::unique_ptr<PortOpener>(const std::string& port)>;

// Writes one image to several radios at once: one thread and one exclusive
// port each, every exchange with its own host. A failing port does not stop
// the others. Results come in the order of `ports`.
std::vector<FleetResult> writeToFleet(const Edition& edition, Language language, const std::vector<std::string>& ports,
                                      const MemoryImage& image, const FleetOptions& options,
                                      const OpenerFactory& openerFor);

// The first failing status in port order, or 0 when every port succeeded.
int fleetExitStatus(const std::vector<FleetResult>& results);

} // namespace tolvan

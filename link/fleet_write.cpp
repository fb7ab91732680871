#include "link/fleet_write.h"

#include "link/clone_session.h"
#include "link/write_verify.h"
#include "program/exit_status.h"

#include <sstream>
#include <thread>

namespace tolvan {
namespace {

// A port's own host: its messages go to its own log, never to a stream the
// other threads share.
class FleetHost : public BatchLinkHost {
public:
    FleetHost(std::ostream& log, const std::string& title, const FleetOptions& options)
        : BatchLinkHost(log, title, options.answers, false), pauses_(options.pauses)
    {
    }
    void pause(int milliseconds) override
    {
        if (pauses_)
            BatchLinkHost::pause(milliseconds);
    }

private:
    bool pauses_;
};

std::string oneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

FleetResult writeOne(const Edition& edition, Language language, const std::string& port, const MemoryImage& image,
                     const FleetOptions& options, PortOpener& opener)
{
    std::ostringstream log;
    FleetResult result{port, kExitDone, {}};
    CloneOutcome written;
    {
        FleetHost host(log, cloneTitle(edition, language, Direction::Write), options);
        written = CloneSession(edition, language, host).run(opener, port, {Direction::Write, image, {}});
    }
    if (written.result != CloneResult::Completed) {
        result.exitStatus = exitStatusOf(written);
        result.text = oneLine(written.message);
        return result;
    }
    if (!options.verify) {
        result.text = writtenText(edition, language);
        return result;
    }
    FleetHost host(log, verifyTitle(edition, language), options);
    const VerifyOutcome verified = verifyWritten(edition, language, host, opener, port, image);
    result.text = oneLine(verified.message);
    if (!verified.verified)
        result.exitStatus = verified.readBack.result == CloneResult::Completed ? kExitLinkError
                                                                               : exitStatusOf(verified.readBack);
    return result;
}

} // namespace

std::vector<FleetResult> writeToFleet(const Edition& edition, Language language, const std::vector<std::string>& ports,
                                      const MemoryImage& image, const FleetOptions& options,
                                      const OpenerFactory& openerFor)
{
    std::vector<FleetResult> results(ports.size());
    std::vector<std::unique_ptr<PortOpener>> openers;
    for (std::size_t i = 0; i < ports.size(); ++i)
        openers.push_back(openerFor(ports[i]));
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < ports.size(); ++i)
        threads.emplace_back([&, i] { results[i] = writeOne(edition, language, ports[i], image, options, *openers[i]); });
    for (std::thread& t : threads)
        t.join();
    return results;
}

int fleetExitStatus(const std::vector<FleetResult>& results)
{
    for (const FleetResult& r : results)
        if (r.exitStatus != kExitDone)
            return r.exitStatus;
    return kExitDone;
}

} // namespace tolvan

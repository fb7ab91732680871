// Read and write against the virtual radio behind a pseudo-terminal with the
// 9600-baud byte-time model, through the real serial port. Prints the wall
// time, the floor (every byte's time on the wire plus the pauses the exchange
// asks for), their ratio, and the process's CPU time as a share of wall time.
//
//   build/bin/bench_link [EDITION...]      (default: cps-twotone cps16)

#include "link/clone_session.h"
#include "link/serial_port.h"
#include "sim/pty_radio.h"
#include "sim/sample_codeplug.h"

#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <thread>

using namespace tolvan;

namespace {

using Clock = std::chrono::steady_clock;

// Real pauses, nothing to pump, no messages: the command line's pacing.
struct TimingHost : LinkHost {
    void pause(int ms) override
    {
        pausedMs += ms;
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
    bool pump() override { return false; }
    Answer ask(const std::string& message, Buttons) override
    {
        std::fprintf(stderr, "%s\n", message.c_str());
        return Answer::Cancel;
    }
    void progressRange(int) override {}
    void progress(int) override {}
    void status(const std::string&) override {}
    void setBusy(bool) override {}
    long pausedMs = 0;
};

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

bool runOne(const Edition& edition, Direction direction)
{
    PtyRadio pty(std::make_unique<VirtualRadio>(sampleCodeplug(edition)), true);
    PortOpenResult opened = SerialPort::open(pty.devicePath(), TimeoutProfile::clone());
    if (!opened.port) {
        std::fprintf(stderr, "%s\n", opened.detail.c_str());
        return false;
    }
    TimingHost host;
    CloneSession session(edition, Language::English, host);
    const CloneRequest request{direction, sampleCodeplug(edition), ""};

    const double cpu0 = cpuSeconds();
    const auto t0 = Clock::now();
    const CloneOutcome outcome = session.run(*opened.port, request);
    const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
    const double cpu = cpuSeconds() - cpu0;
    if (outcome.result != CloneResult::Completed) {
        std::fprintf(stderr, "%s: transfer did not complete: %s\n", edition.id.c_str(), outcome.message.c_str());
        return false;
    }
    const std::size_t bytes = pty.withRadio([](VirtualRadio& r) { return r.transcript().size(); });
    const double wire = static_cast<double>(bytes) * 10.0 / 9600.0;
    const double floor = wire + static_cast<double>(host.pausedMs) / 1000.0;
    std::printf("%-12s %-5s %6zu bytes  wire %6.3f s + pauses %6.3f s = floor %6.3f s   wall %6.3f s   "
                "ratio %.3f   cpu %4.1f %%\n",
                edition.id.c_str(), direction == Direction::Read ? "read" : "write", bytes, wire,
                static_cast<double>(host.pausedMs) / 1000.0, floor, wall, wall / floor, 100.0 * cpu / wall);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> ids(argv + 1, argv + argc);
    if (ids.empty())
        ids = {"cps-twotone", "cps16"};
    bool ok = true;
    for (const std::string& id : ids) {
        const Edition* e = findEdition(id);
        if (!e) {
            std::fprintf(stderr, "no edition %s\n", id.c_str());
            return 1;
        }
        ok = runOne(*e, Direction::Read) && ok;
        ok = runOne(*e, Direction::Write) && ok;
    }
    return ok ? 0 : 1;
}

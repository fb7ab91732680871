// Several radios at once: four virtual radios behind four pseudo-terminals with
// the 9600-baud byte-time model, each written and verified (read back) through
// the real serial port on a thread of its own, against one radio alone. Prints
// both wall times, their ratio, the process's CPU time as a share of wall time
// (the four simulated radios' threads included), and what that implies for
// twenty radios.
//
//   build/bin/bench_fleet [EDITION [RADIOS]]      (default: cps-twotone 4)

#include "link/fleet_write.h"
#include "link/port_names.h"
#include "sim/pty_radio.h"
#include "sim/sample_codeplug.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

using namespace tolvan;

namespace {

using Clock = std::chrono::steady_clock;

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Round {
    double wall = 0;
    double cpu = 0;
    bool ok = true;
};

Round writeAndVerify(const Edition& edition, int radios)
{
    std::vector<std::unique_ptr<PtyRadio>> ptys;
    std::vector<std::string> ports;
    for (int i = 0; i < radios; ++i) {
        ptys.push_back(std::make_unique<PtyRadio>(std::make_unique<VirtualRadio>(edition), true));
        ports.push_back(ptys.back()->devicePath());
    }
    const MemoryImage image = sampleCodeplug(edition);
    const double cpu0 = cpuSeconds();
    const auto t0 = Clock::now();
    const auto results = writeToFleet(edition, Language::English, ports, image, {.verify = true},
                                      [&edition](const std::string&) {
                                          return std::make_unique<SystemPortOpener>(edition, nullptr);
                                      });
    Round r{std::chrono::duration<double>(Clock::now() - t0).count(), cpuSeconds() - cpu0, true};
    for (const FleetResult& f : results) {
        if (f.exitStatus != 0) {
            std::fprintf(stderr, "%s: %s\n", f.port.c_str(), f.text.c_str());
            r.ok = false;
        }
    }
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    const Edition* edition = findEdition(argc > 1 ? argv[1] : "cps-twotone");
    const int radios = argc > 2 ? std::atoi(argv[2]) : 4;
    if (!edition || radios < 1) {
        std::fprintf(stderr, "usage: bench_fleet [EDITION [RADIOS]]\n");
        return 1;
    }
    const Round one = writeAndVerify(*edition, 1);
    const Round many = writeAndVerify(*edition, radios);
    std::printf("%s, write + verify at 9600 baud through pseudo-terminals\n", edition->id.c_str());
    std::printf("  1 radio alone      wall %7.3f s   cpu %5.1f %% of wall\n", one.wall, 100.0 * one.cpu / one.wall);
    std::printf("  %d radios at once   wall %7.3f s   cpu %5.1f %% of wall   ratio %.3f x\n", radios, many.wall,
                100.0 * many.cpu / many.wall, many.wall / one.wall);
    const int fleet = 20;
    const int rounds = (fleet + radios - 1) / radios;
    std::printf("  %d radios: one at a time %.0f s; %d at a time %d rounds = %.0f s\n", fleet, fleet * one.wall,
                radios, rounds, rounds * many.wall);
    return one.ok && many.ok ? 0 : 1;
}

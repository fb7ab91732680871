// Every edition's read and write against the virtual radio behind a
// pseudo-terminal with the 9600-baud byte-time model, through the real serial
// port and the host a program uses: the window's (a progress window on the
// offscreen platform, its pump passes asking the Qt event loop) or, with
// --batch, the command line's.
//
// For each transfer it prints the floor (the least time any program could take
// over this line: every byte's time on the wire and every pause the exchange
// asks for, a pause overlapping bytes still on their way, as a write to a
// pseudo-terminal does not wait for them), then for each adapter timer the wall
// time over the floor and the transferring thread's CPU time as a share of one
// core (the radio's own thread is not counted). Timer 0 is the bare line; 16 ms
// is a USB adapter's default latency timer, 1 ms the same adapter with the
// driver's low-latency flag, which the serial port asks for on open.
//
//   build/bin/bench_link [--batch] [--breakdown] [--repeat N] [--timers MS,MS,...] [EDITION...]
//       (default: the window's host, timers 0,16,1, all ten editions)

#include "link/batch_host.h"
#include "link/clone_session.h"
#include "link/qt/progress_dlg.h"
#include "link/qt/qt_link_host.h"
#include "link/serial_port.h"
#include "sim/pty_radio.h"
#include "sim/sample_codeplug.h"

#include <QApplication>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <numeric>
#include <optional>
#include <sstream>
#include <vector>

using namespace tolvan;

namespace {

using Clock = std::chrono::steady_clock;

// The least time of the exchange so far on the modelled line: bytes from the
// PC queue up on their way to the radio while the PC goes on; a reply starts
// when the last byte it answers has arrived.
struct Floor {
    // The modelled line's byte time (10 bits at 9600 baud, to the microsecond).
    static constexpr double kByteSeconds = PtyRadio::kByteMicroseconds9600 / 1e6;
    double pc = 0;        // the PC's own time
    double lineFree = 0;  // when the last byte sent has reached the radio

    void sent(std::size_t bytes) { lineFree = std::max(pc, lineFree) + static_cast<double>(bytes) * kByteSeconds; }
    void received(std::size_t bytes)
    {
        if (bytes > 0)
            pc = std::max(pc, lineFree) + static_cast<double>(bytes) * kByteSeconds;
    }
    void paused(int ms) { pc += ms / 1000.0; }
};

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Where the time over the floor goes: each port call, pause and pump pass
// costs its wall time less what it added to the floor; the session's own code
// between them costs its wall time. Printed with --breakdown.
class Breakdown {
public:
    enum Kind { Code, Write, Read, Pause, Pump, RadioIn, RadioOut, Kinds };

    // Off, it costs nothing: reading the thread's CPU clock is a system call.
    bool on = false;

    void begin()
    {
        if (!on)
            return;
        start_ = Clock::now();
        startCpu_ = threadCpuSeconds();
    }
    void wrote()
    {
        if (on)
            writes_.push_back(PtyRadio::nowMicroseconds());
    }
    // The radio's own lateness (part of the reads' time): how long after each
    // write its thread took the bytes in, and how late each reply went out.
    void radio(const PtyRadio::Lateness& lateness)
    {
        if (!on)
            return;
        auto arrival = lateness.arrivals.begin();
        for (std::int64_t w : writes_) {
            arrival = std::lower_bound(arrival, lateness.arrivals.end(), w);
            if (arrival != lateness.arrivals.end())
                add(RadioIn, static_cast<double>(*arrival - w) / 1e6);
        }
        for (std::int64_t late : lateness.sentLate)
            add(RadioOut, static_cast<double>(late) / 1e6);
    }
    // `floorAdded`: the seconds the call added to the floor.
    void end(Kind kind, double floorAdded = 0)
    {
        if (!on)
            return;
        const auto now = Clock::now();
        const double cpu = threadCpuSeconds();
        cpu_[kind] += cpu - startCpu_;
        if (last_) {
            add(Code, std::chrono::duration<double>(start_ - *last_).count());
            cpu_[Code] += startCpu_ - lastCpu_;
        }
        lastCpu_ = cpu;
        add(kind, std::chrono::duration<double>(now - start_).count() - floorAdded);
        last_ = now;
    }
    void print(const char* title) const
    {
        static const char* names[] = {"code", "write", "read", "pause", "pump", "radio in", "radio out"};
        std::printf("  %s: over the floor, ms (count, sum, median, 90th, max per call), CPU ms\n", title);
        for (int k = 0; k < Kinds; ++k) {
            std::vector<double> v = excess_[k];
            if (v.empty())
                continue;
            std::sort(v.begin(), v.end());
            const double sum = std::accumulate(v.begin(), v.end(), 0.0);
            std::printf("    %-9s %6zu %9.1f %8.3f %8.3f %8.3f %8.1f\n", names[k], v.size(), 1e3 * sum, 1e3 * v[v.size() / 2],
                        1e3 * v[v.size() * 9 / 10], 1e3 * v.back(), 1e3 * cpu_[k]);
        }
    }

private:
    void add(Kind kind, double seconds) { excess_[kind].push_back(seconds); }
    Clock::time_point start_;
    double startCpu_ = 0, lastCpu_ = 0;
    double cpu_[Kinds] = {};
    std::optional<Clock::time_point> last_;
    std::vector<double> excess_[Kinds];
    std::vector<std::int64_t> writes_;
};

// The serial port, noting every byte in the floor.
class FloorPort : public Port {
public:
    FloorPort(Port& port, Floor& floor, Breakdown& breakdown) : port_(port), floor_(floor), breakdown_(breakdown) {}
    void purge(int mask) override { port_.purge(mask); }
    bool write(std::span<const std::uint8_t> bytes) override
    {
        breakdown_.begin();
        breakdown_.wrote();
        floor_.sent(bytes.size());
        const bool ok = port_.write(bytes);
        breakdown_.end(Breakdown::Write);
        return ok;
    }
    ReadResult read(std::span<std::uint8_t> buffer) override
    {
        breakdown_.begin();
        const double before = floor_.pc;
        const ReadResult r = port_.read(buffer);
        floor_.received(r.received);
        breakdown_.end(Breakdown::Read, floor_.pc - before);
        return r;
    }

private:
    Port& port_;
    Floor& floor_;
    Breakdown& breakdown_;
};

// The program's host, noting every pause in the floor.
class FloorHost : public LinkHost {
public:
    FloorHost(LinkHost& host, Floor& floor, Breakdown& breakdown) : host_(host), floor_(floor), breakdown_(breakdown) {}
    void pause(int ms) override
    {
        breakdown_.begin();
        floor_.paused(ms);
        host_.pause(ms);
        breakdown_.end(Breakdown::Pause, ms / 1000.0);
    }
    bool pump() override
    {
        breakdown_.begin();
        const bool cancel = host_.pump();
        breakdown_.end(Breakdown::Pump);
        return cancel;
    }
    // A message ends the run (a window's box would wait for a click).
    Answer ask(const std::string& message, Buttons) override
    {
        std::fprintf(stderr, "%s\n", message.c_str());
        return Answer::Cancel;
    }
    void progressRange(int maximum) override { host_.progressRange(maximum); }
    void progress(int position) override { host_.progress(position); }
    void status(const std::string& text) override { host_.status(text); }
    void setBusy(bool busy) override { host_.setBusy(busy); }

private:
    LinkHost& host_;
    Floor& floor_;
    Breakdown& breakdown_;
};

struct Figures {
    bool ok = false;
    double floor = 0, wall = 0, cpu = 0;
    double medianRatio = 0;  // among repeated runs
    Breakdown breakdown;
};

Figures runOne(const Edition& edition, Direction direction, int timerMs, bool batch, bool breakdown)
{
    Figures figures;
    PtyRadio pty(std::make_unique<VirtualRadio>(sampleCodeplug(edition)), true, timerMs);
    if (!pty.answerAtOnce() && breakdown)
        std::fprintf(stderr, "the radio's thread runs at ordinary priority: its wake-ups count against the program\n");
    if (breakdown) {
        pty.noteLateness();
        figures.breakdown.on = true;
    }
    PortOpenResult opened = SerialPort::open(pty.devicePath(), TimeoutProfile::clone());
    if (!opened.port) {
        std::fprintf(stderr, "%s\n", opened.detail.c_str());
        return figures;
    }
    const std::string& title = cloneTitle(edition, Language::English, direction);
    std::unique_ptr<CProgressDlg> dialog;
    std::unique_ptr<LinkHost> host;
    std::ostringstream discarded;
    if (batch) {
        host = std::make_unique<BatchLinkHost>(discarded, title, BatchLinkHost::Answers{}, false);
    } else {
        dialog = std::make_unique<CProgressDlg>(nullptr, edition.texts(Language::English).link, title,
                                                progressMaximum(edition));
        dialog->show();
        dialog->startButton()->click();
        QApplication::processEvents();
        host = std::make_unique<QtLinkHost>(*dialog, true);
    }
    Floor floor;
    FloorPort port(*opened.port, floor, figures.breakdown);
    FloorHost floorHost(*host, floor, figures.breakdown);
    CloneSession session(edition, Language::English, floorHost);
    const CloneRequest request{direction, sampleCodeplug(edition), ""};

    const double cpu0 = threadCpuSeconds();
    const auto t0 = Clock::now();
    const CloneOutcome outcome = session.run(port, request);
    figures.wall = std::chrono::duration<double>(Clock::now() - t0).count();
    figures.cpu = threadCpuSeconds() - cpu0;
    figures.floor = floor.pc;
    figures.breakdown.radio(pty.lateness());
    figures.ok = outcome.result == CloneResult::Completed;
    if (!figures.ok)
        std::fprintf(stderr, "%s: transfer did not complete: %s\n", edition.id.c_str(), outcome.message.c_str());
    return figures;
}

// A program has its fonts loaded long before its first transfer: so has this.
void warmUp(const Edition& edition)
{
    CProgressDlg dialog(nullptr, edition.texts(Language::English).link, "", progressMaximum(edition));
    dialog.show();
    QtLinkHost host(dialog, false);
    for (int i = 0; i <= 10; ++i) {
        host.progress(i);
        host.status(std::to_string(i * 1111111111LL));
        QApplication::processEvents();
    }
}

// The least disturbed of a row's runs, with the median ratio of them all: a
// machine's stalls only ever add to a run, so the best run shows what the
// program costs and the median how much the machine scattered it (a failed run
// counts as the slowest).
Figures bestRun(std::vector<Figures> runs)
{
    const auto ratio = [](const Figures& f) { return f.ok ? f.wall / f.floor : 1e9; };
    std::sort(runs.begin(), runs.end(), [&](const Figures& a, const Figures& b) { return ratio(a) < ratio(b); });
    Figures best = runs.front();
    best.medianRatio = ratio(runs[runs.size() / 2]);
    return best;
}

std::vector<int> parseTimers(const std::string& list)
{
    std::vector<int> timers;
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ','))
        timers.push_back(std::stoi(item));
    return timers;
}

// The offscreen platform's remarks on window hints would bury the table.
void quietPlatform(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !message.contains("propagateSizeHints"))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

std::string timerHeading(int ms)
{
    if (ms == 0)
        return "bare line";
    return std::to_string(ms) + " ms timer" + (ms == 1 ? " (low lat.)" : "");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietPlatform);
    QApplication app(argc, argv);

    bool batch = false;
    bool breakdown = false;
    int repeat = 1;
    std::vector<int> timers = {0, 16, 1};
    std::vector<const Edition*> editions;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--batch") {
            batch = true;
        } else if (a == "--repeat" && i + 1 < argc) {
            repeat = std::max(1, std::atoi(argv[++i]));
        } else if (a == "--breakdown") {
            breakdown = true;
        } else if (a == "--timers" && i + 1 < argc) {
            timers = parseTimers(argv[++i]);
        } else if (const Edition* e = findEdition(a)) {
            editions.push_back(e);
        } else {
            std::fprintf(stderr, "usage: bench_link [--batch] [--breakdown] [--repeat N] [--timers MS,...] [EDITION...]\n");
            return 1;
        }
    }
    if (editions.empty())
        editions = allEditions();

    warmUp(*editions.front());
    std::printf("Read and write against the 9600-baud virtual radio, %s host; wall/floor and CPU share of one core",
                batch ? "command line" : "window");
    if (repeat > 1)
        std::printf(" (each row the best of %d runs; in brackets their median ratio)", repeat);
    std::printf("\n");
    std::printf("%-12s %-5s %8s", "edition", "dir", "floor s");
    for (int ms : timers)
        std::printf("   %-20s", timerHeading(ms).c_str());
    std::printf("\n");

    std::vector<double> worstRatio(timers.size(), 0), worstCpu(timers.size(), 0), worstMedian(timers.size(), 0);
    bool ok = true;
    // Repeated runs go round all rows, so that a slow spell of the machine
    // falls on different rows each time rather than on all runs of one.
    std::vector<std::vector<Figures>> runs;
    for (int pass = 0; pass < repeat; ++pass) {
        std::size_t cell = 0;
        for (const Edition* e : editions)
            for (Direction direction : {Direction::Read, Direction::Write})
                for (int timer : timers) {
                    if (runs.size() <= cell)
                        runs.emplace_back();
                    runs[cell++].push_back(runOne(*e, direction, timer, batch, breakdown));
                }
        if (repeat > 1)
            std::fprintf(stderr, "pass %d of %d done\n", pass + 1, repeat);
    }
    std::size_t cell = 0;
    for (const Edition* e : editions) {
        for (Direction direction : {Direction::Read, Direction::Write}) {
            std::vector<Figures> row;
            for (std::size_t t = 0; t < timers.size(); ++t)
                row.push_back(bestRun(runs[cell++]));
            const auto complete = std::find_if(row.begin(), row.end(), [](const Figures& f) { return f.ok; });
            std::printf("%-12s %-5s %8.3f", e->id.c_str(), direction == Direction::Read ? "read" : "write",
                        complete == row.end() ? 0.0 : complete->floor);
            for (std::size_t t = 0; t < timers.size(); ++t) {
                const Figures& f = row[t];
                ok = ok && f.ok;
                if (!f.ok) {
                    std::printf("   %-20s", "failed");
                    continue;
                }
                const double ratio = f.wall / f.floor;
                const double cpu = 100.0 * f.cpu / f.wall;
                worstRatio[t] = std::max(worstRatio[t], ratio);
                worstCpu[t] = std::max(worstCpu[t], cpu);
                std::printf("   %6.3f x  %5.1f %%    ", ratio, cpu);
                worstMedian[t] = std::max(worstMedian[t], f.medianRatio);
                if (repeat > 1)
                    std::printf("(%5.3f x) ", f.medianRatio);
            }
            std::printf("\n");
            for (std::size_t t = 0; breakdown && t < timers.size(); ++t)
                row[t].breakdown.print(timerHeading(timers[t]).c_str());
            std::fflush(stdout);
        }
    }
    std::printf("%-12s %-5s %8s", "worst", "", "");
    for (std::size_t t = 0; t < timers.size(); ++t) {
        std::printf("   %6.3f x  %5.1f %%    ", worstRatio[t], worstCpu[t]);
        if (repeat > 1)
            std::printf("(%5.3f x) ", worstMedian[t]);
    }
    std::printf("\naim (bare line): at most 1.030 x and 3.0 %%\n");
    return ok ? 0 : 1;
}

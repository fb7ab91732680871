#pragma once

#include "sim/virtual_radio.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tolvan {

// Serves a virtual radio behind a pseudo-terminal from a thread of its own, so
// the real serial port can talk to it by the terminal's device path. With the
// byte-time model every byte takes 10 bit times at 9600 baud in each direction,
// as on the cable; without it the radio answers as fast as it can.
//
// The radio answers like one behind a buffered line: a reply reaches the PC in
// one piece, at once when it is complete (with the byte-time model: when its
// last byte has crossed the cable). A thread the machine runs late delays a
// reply as a whole and never shows as a gap inside it, which the PC's
// inter-byte time-out would take for a short reply. Only a gap the radio is
// told to leave (RadioFaults) splits one.
//
// A latency timer models a USB adapter between the cable and the PC: bytes
// from the radio wait in the adapter until its timer next runs out (every 16 ms
// on some chips, every 1 ms with the driver's low-latency flag), then go on
// together.
class PtyRadio {
public:
    static constexpr std::int64_t kByteMicroseconds9600 = 1042;  // 10 bits at 9600 baud
    static constexpr int kGapMilliseconds = 100;                  // longer than any inter-byte time-out

    // Throws std::runtime_error when no pseudo-terminal can be had.
    PtyRadio(std::unique_ptr<VirtualRadio> radio, bool byteTimeModel, int latencyTimerMilliseconds = 0);
    ~PtyRadio();
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    const std::string& devicePath() const { return path_; }

    // Runs f on the radio while the serving thread keeps off it.
    template <class F>
    auto withRadio(F&& f)
    {
        std::lock_guard lock(mutex_);
        return f(*radio_);
    }

    // When a byte that has crossed the cable at `crossed` reaches the PC through
    // an adapter whose timer runs out every `period` from `origin` (all in
    // microseconds; a period of 0 is no adapter).
    static std::int64_t deliveredAt(std::int64_t crossed, std::int64_t origin, std::int64_t period);

    // The serving thread runs before any ordinary thread whenever it has
    // something to do (where the system lets it), so it takes in a command and
    // sends each reply as a radio's own hardware would, not when the scheduler
    // gets round to it; a benchmark then measures the program, not the
    // thread's wake-ups. Returns whether the system let it.
    bool answerAtOnce();

    // How late the serving thread itself was, in microseconds on the steady
    // clock, so a benchmark can tell the modelled radio's delays from the
    // program's: when it took in each run of bytes from the PC, and by how much
    // each reply to the PC went out after its time. Noted only once asked for.
    void noteLateness() { noteLateness_ = true; }
    struct Lateness {
        std::vector<std::int64_t> arrivals;
        std::vector<std::int64_t> sentLate;
    };
    Lateness lateness()
    {
        std::lock_guard lock(mutex_);
        return lateness_;
    }
    static std::int64_t nowMicroseconds();

private:
    void serve();

    std::unique_ptr<VirtualRadio> radio_;
    std::int64_t byteMicroseconds_;
    std::int64_t latencyTimerMicroseconds_;
    std::int64_t timerOrigin_;
    int master_ = -1;
    int heldSlave_ = -1;  // keeps the line up between connections
    int wake_[2] = {-1, -1};
    std::string path_;
    std::mutex mutex_;
    std::atomic<bool> stop_{false};
    std::atomic<std::int64_t> stamp_{0};
    std::atomic<bool> noteLateness_{false};
    Lateness lateness_;
    std::thread thread_;
};

} // namespace tolvan

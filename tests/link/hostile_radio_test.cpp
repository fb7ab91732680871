// A radio that answers garbage of any length: the exchange must end, within
// its bounds, and never hand back a read it did not complete.

#include "link/clone_session.h"
#include "recording_host.h"

#include <gtest/gtest.h>
#include <random>

namespace tolvan {
namespace {

class HostilePort : public Port {
public:
    explicit HostilePort(unsigned seed) : random_(seed) {}
    void purge(int) override {}
    bool write(std::span<const std::uint8_t>) override { return pick(0, 500) != 0; }
    ReadResult read(std::span<std::uint8_t> buffer) override
    {
        ++reads;
        if (pick(0, 3000) == 0)
            return {false, 0};
        // Mostly well-formed-looking answers, so the exchange gets deep.
        const std::size_t n = pick(0, 200) == 0 ? pick(0, static_cast<int>(buffer.size())) : buffer.size();
        for (std::size_t i = 0; i < n; ++i)
            buffer[i] = pick(0, 400) == 0 ? static_cast<std::uint8_t>(pick(0, 255)) : 0x06;
        return {true, n};
    }
    int reads = 0;

private:
    std::size_t pick(int lo, int hi) { return static_cast<std::size_t>(std::uniform_int_distribution<int>(lo, hi)(random_)); }
    std::mt19937 random_;
};

TEST(HostileRadio, EveryExchangeEndsAndKeepsNothingHalfRead)
{
    for (const Edition* e : allEditions()) {
        for (unsigned seed = 1; seed <= 40; ++seed) {
            SCOPED_TRACE(e->id + " seed " + std::to_string(seed));
            HostilePort port(seed);
            testing::RecordingHost host;
            host.answers = {Answer::Retry, Answer::Ok, Answer::Retry};
            CloneSession session(*e, Language::English, host);
            const Direction d = seed % 2 ? Direction::Read : Direction::Write;
            const CloneOutcome out = session.run(port, {d, newDocumentImage(*e), ""});
            EXPECT_EQ(out.image.has_value(), out.result == CloneResult::Completed && d == Direction::Read);
            if (out.image) {
                EXPECT_EQ(out.image->size(), e->imageSize);
            }
            EXPECT_LE(host.questions.size(), 8u);
        }
    }
}

} // namespace
} // namespace tolvan

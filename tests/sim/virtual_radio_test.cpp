// The virtual radio's own behaviour: the Test Mode exchange with its faults,
// and the in-process port (the pseudo-terminal: virtual_radio_pty_posix_test.cpp).

#include "link/test_mode_session.h"
#include "link/wire_bytes.h"
#include "sim/radio_port.h"
#include "../link/recording_host.h"

#include <gtest/gtest.h>

namespace tolvan {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The Test Mode exchange against the radio: 'H' after the item, the frequency
// and the tone, and the frames kept; or a failure put at any of those answers.
// The wire and the frames of every case are in tests/sim/golden/test_mode_radio.txt.
TEST(VirtualRadioTestMode, AnswersHOrTheFailureItWasGiven)
{
    // The step whose 'H' is not sent (0: none), and the byte sent instead, if any.
    const std::pair<int, std::optional<std::uint8_t>> cases[] = {{0, {}}, {10, {}}, {12, {}}, {14, {}}, {10, 0x15}, {14, 'h'}};
    const TestModeRequest request{'t', {0x00, 0x25, 0x51, 0x14, 0x50, 0x12, 0x60, 0x13},
                                  {0x85, 0x08, 0x00, 0x00, 0xFB, 0x01, 0x01, 0xA0}};
    std::string text;
    for (const auto& [step, wrong] : cases) {
        VirtualRadio radio(*findEdition("cps16"));
        radio.faults.testModeFailStep = step;
        radio.faults.testModeWrongReply = wrong;
        RadioPortOpener opener(radio);
        testing::RecordingHost host;
        const auto outcome = TestModeSession(opener, host, {"port", "done", "failed"}).run("virtual", request);
        text += "== fail step " + std::to_string(step) + (wrong ? ", wrong " + hexBytes(std::span(&*wrong, 1)) : "")
                + (outcome == TestModeOutcome::Finished ? ": finished\n" : ": cancelled\n") + testing::wireText(radio);
        for (const TestModeFrames& f : radio.testModeFrames())
            text += "kept " + hexBytes(std::span(&f.item, 1)) + " | " + hexBytes(f.frequencyFrame) + " | "
                    + hexBytes(f.toneFrame) + "\n";
    }
    expectGolden("sim", "test_mode_radio", text);
}

TEST(RadioPort, AnUnreadAnswerIsGoneAfterThePurgeBeforeTheNextWrite)
{
    VirtualRadio radio(*findEdition("cps16"));
    RadioPort port(radio);
    port.write(Bytes{0x02, 'P', 'R', 'O', 'G', 'R', 'A'});  // answered 0x06, never read
    port.purge(kPurgeQueues);
    port.write(Bytes{'M'});
    port.write(Bytes{0x02});
    Bytes in(9, 0xEE);
    EXPECT_EQ(port.read(in).received, 8u);
    EXPECT_EQ(in[4], 0xFF);  // the identification, not the old 0x06
}

} // namespace
} // namespace tolvan

// The Test Mode exchange call by call against a scripted port: the whole
// transcript, the one forgiven stray byte, and every failed read, retried and
// cancelled. The calls of every case are in tests/link/golden/test_mode_session.txt.

#include "link/test_mode_session.h"
#include "recording_host.h"

#include <gtest/gtest.h>

#include <optional>

namespace tolvan {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Reply = std::optional<Bytes>;  // shorter than asked: a time-out; nullopt: a failure

// An opener whose ports log every call into the log the host shares, and answer
// each read with the next scripted reply.
struct ScriptedOpener : PortOpener {
    struct ScriptedPort : Port {
        explicit ScriptedPort(ScriptedOpener& o) : o(o) {}
        ~ScriptedPort() override { o.log.push_back("close"); }
        void purge(int mask) override { o.log.push_back(mask == kPurgeAll ? "purge" : "purge?"); }
        bool write(std::span<const std::uint8_t> bytes) override
        {
            o.log.push_back("write " + hexBytes(bytes));
            return true;
        }
        ReadResult read(std::span<std::uint8_t> buffer) override
        {
            const Reply reply = o.replies.empty() ? Bytes{} : o.replies.front();
            if (!o.replies.empty())
                o.replies.pop_front();
            const std::size_t n = reply ? std::min(reply->size(), buffer.size()) : 0;
            if (reply)
                std::copy_n(reply->begin(), n, buffer.begin());
            const std::string got = !reply ? " fails" : n ? " -> " + hexBytes(buffer.first(n)) : " -> nothing";
            o.log.push_back("read " + std::to_string(buffer.size()) + got);
            return {reply.has_value(), n};
        }
        ScriptedOpener& o;
    };

    PortOpenResult open(const std::string& name, const TimeoutProfile& profile) override
    {
        log.push_back("open " + name);
        EXPECT_EQ(profile.readInterval, TimeoutProfile::test().readInterval);
        EXPECT_EQ(profile.readConstant, TimeoutProfile::test().readConstant);
        if (fail)
            return {nullptr, "busy"};
        return {std::make_unique<ScriptedPort>(*this), {}};
    }

    std::vector<std::string> log;
    std::deque<Reply> replies;
    bool fail = false;
};

const Reply kAck = Bytes{0x06};
const Reply kNothing = Bytes{};
const std::vector<Reply> kGood = {kAck, Bytes{1, 2, 3, 4, 5, 6, 7, 8}, kAck, Bytes{0x48}, Bytes{0x48}, Bytes{0x48}};

// The script of one attempt with the reply at `index` replaced.
std::vector<Reply> failing(std::size_t index, Reply reply)
{
    std::vector<Reply> script(kGood.begin(), kGood.begin() + static_cast<long>(index));
    script.push_back(reply);
    if (index == 0)  // the handshake reads a second time before it gives up
        script.push_back(kNothing);
    return script;
}

std::vector<Reply> operator+(std::vector<Reply> a, const std::vector<Reply>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// One stray byte before the handshake's acknowledgement is forgiven, no more.
// A failed read asks Retry or Cancel; a retry runs a whole attempt again on the
// port that stayed open.
TEST(TestModeSession, EveryPathCallByCall)
{
    const Reply stray = Bytes{0x55};
    const std::vector<Reply> afterHandshake(kGood.begin() + 1, kGood.end());
    const struct {
        const char* what;
        std::vector<Reply> script;
    } cases[] = {
        {"0x06 at once", kGood},
        {"stray byte then 0x06", std::vector{stray, kAck} + afterHandshake},
        {"silence then 0x06", std::vector{kNothing, kAck} + afterHandshake},
        {"stray byte then another", {stray, Bytes{0x15}}},
        {"stray byte then silence", {stray, kNothing}},
        {"no acknowledgement of the handshake", failing(0, kNothing)},
        {"identification read fails", failing(1, std::nullopt)},
        {"no acknowledgement after the identification", failing(2, kNothing)},
        {"wrong acknowledgement after the identification", failing(2, Bytes{0x15})},
        {"item not taken", failing(3, kAck)},
        {"frequency frame not taken", failing(4, kNothing)},
        {"tone frame not taken", failing(5, std::nullopt)},
    };
    const TestModeRequest request{
        0x73, {0x50, 0x12, 0x60, 0x13, 0x50, 0x12, 0x60, 0x13}, {0x85, 0x08, 0x00, 0x00, 0xFB, 0x01, 0x01, 0xA0}};
    const TestModeMessages messages{"cannot open", "Finish successfully!", " Error had happen ,need try again"};
    static const char* const kOutcomes[] = {"Finished", "PortFailed", "Cancelled"};
    std::string text;
    for (const auto& c : cases) {
        for (Answer answer : {Answer::Cancel, Answer::Retry}) {
            ScriptedOpener opener;
            testing::RecordingHost host;
            host.log = &opener.log;
            host.answers = {answer};
            opener.replies.assign(c.script.begin(), c.script.end());
            if (answer == Answer::Retry)
                opener.replies.insert(opener.replies.end(), kGood.begin(), kGood.end());
            const TestModeOutcome outcome = TestModeSession(opener, host, messages).run("COM2", request);
            text += std::string("== ") + c.what + (answer == Answer::Retry ? ", retried" : ", cancelled") + ": "
                    + kOutcomes[static_cast<int>(outcome)];
            for (const std::string& call : opener.log)
                text += (call.starts_with("write") || call.starts_with("ask") ? "\n" : ", ") + call;
            text += "\n";
            if (outcome == TestModeOutcome::Finished)  // nothing failed: nothing to retry
                break;
        }
    }
    // The system's reason (a refused permission names its fix) goes with the message.
    ScriptedOpener opener;
    opener.fail = true;
    testing::RecordingHost host;
    host.log = &opener.log;
    EXPECT_EQ(TestModeSession(opener, host, messages).run("COM2", request), TestModeOutcome::PortFailed);
    EXPECT_EQ(opener.log, (std::vector<std::string>{"open COM2", "ask Ok: cannot open | busy"}));
    expectGolden("link", "test_mode_session", text);
}

} // namespace
} // namespace tolvan

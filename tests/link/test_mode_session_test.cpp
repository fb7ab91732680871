// The Test Mode exchange call by call against a scripted port: the whole
// transcript, the one forgiven stray byte, and every failed read.

#include "link/test_mode_session.h"
#include "recording_host.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>

namespace tolvan {
namespace {

using Log = std::vector<std::string>;
using Reply = std::optional<std::vector<std::uint8_t>>;  // shorter than asked: a time-out; nullopt: a failure

// An opener whose ports log every call into the log the host shares, and answer
// each read with the next scripted reply.
struct ScriptedOpener : PortOpener {
    struct ScriptedPort : Port {
        explicit ScriptedPort(ScriptedOpener& o) : o(o) {}
        ~ScriptedPort() override
        {
            o.closed = true;
            o.log.push_back("close");
        }
        void purge(int mask) override { o.log.push_back(mask == kPurgeAll ? "purge" : "purge?"); }
        bool write(std::span<const std::uint8_t> bytes) override
        {
            std::string line = "write";
            char hex[4];
            for (std::uint8_t b : bytes)
                line += (std::snprintf(hex, sizeof hex, " %02X", b), hex);
            o.log.push_back(line);
            return true;
        }
        ReadResult read(std::span<std::uint8_t> buffer) override
        {
            o.log.push_back("read " + std::to_string(buffer.size()));
            if (o.replies.empty())
                return {true, 0};
            const Reply reply = o.replies.front();
            o.replies.pop_front();
            if (!reply)
                return {false, 0};
            const std::size_t n = std::min(reply->size(), buffer.size());
            std::copy_n(reply->begin(), n, buffer.begin());
            return {true, n};
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
    TestModeOutcome run(testing::RecordingHost& host, const std::vector<Reply>& script)
    {
        replies.assign(script.begin(), script.end());
        host.log = &log;
        const TestModeRequest request{
            0x73, {0x50, 0x12, 0x60, 0x13, 0x50, 0x12, 0x60, 0x13}, {0x85, 0x08, 0x00, 0x00, 0xFB, 0x01, 0x01, 0xA0}};
        return TestModeSession(*this, host, kMessages).run("COM2", request);
    }

    static inline const TestModeMessages kMessages{"cannot open", "Finish successfully!",
                                                   " Error had happen ,need try again"};
    Log log;
    std::deque<Reply> replies;
    bool fail = false;
    bool closed = false;
};

const Reply kAck = std::vector<std::uint8_t>{0x06};
const Reply kReady = std::vector<std::uint8_t>{0x48};
const Reply kIdent = std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8};
const Reply kNothing = std::vector<std::uint8_t>{};
const std::vector<Reply> kGood = {kAck, kIdent, kAck, kReady, kReady, kReady};

// One attempt on the wire, for a radio that answers every read at once.
Log attemptTranscript(bool strayByte = false)
{
    Log t = {"pause 700"};
    for (const char* b : {"02", "50", "52", "4F", "47", "52", "41"})
        t.insert(t.end(), {"purge", std::string("write ") + b, "pause 1"});
    t.insert(t.end(), {"purge", "read 1"});
    if (strayByte)
        t.insert(t.end(), {"purge", "read 1"});
    t.insert(t.end(), {"pause 1", "purge", "write 4D", "pause 1", "purge", "write 02",  // step 4
                       "purge", "read 8",                                                 // step 5
                       "pause 1", "purge", "write 06", "purge", "read 1",                 // steps 6-7
                       "purge", "pause 1", "write 78", "pause 1", "purge",                // step 8
                       "write 73", "pause 1", "purge", "write 73 08", "purge", "read 1",  // steps 9-10
                       "pause 1", "purge", "write 50 12 60 13 50 12 60 13", "purge", "read 1",
                       "pause 1", "purge", "write 85 08 00 00 FB 01 01 A0", "purge", "read 1"});
    return t;
}

// One stray byte before the handshake's acknowledgement is forgiven, no more.
TEST(TestModeSession, ByteForByteWithOrWithoutAStrayByte)
{
    const struct {
        const char* what;
        std::vector<Reply> step3;
        bool passes;
    } cases[] = {
        {"0x06 at once", {kAck}, true},
        {"stray byte then 0x06", {std::vector<std::uint8_t>{0x55}, kAck}, true},
        {"silence then 0x06", {kNothing, kAck}, true},
        {"stray byte then another", {std::vector<std::uint8_t>{0x55}, std::vector<std::uint8_t>{0x15}}, false},
        {"stray byte then silence", {std::vector<std::uint8_t>{0x55}, kNothing}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedOpener opener;
        testing::RecordingHost host;
        host.answers = {Answer::Cancel};
        std::vector<Reply> script = c.step3;
        script.insert(script.end(), kGood.begin() + 1, kGood.end());
        EXPECT_EQ(opener.run(host, script), c.passes ? TestModeOutcome::Finished : TestModeOutcome::Cancelled);
        if (c.passes) {
            Log expected = attemptTranscript(c.step3.size() == 2);
            expected.insert(expected.begin(), "open COM2");
            expected.insert(expected.end(), {"close", "ask Finish successfully!"});
            EXPECT_EQ(opener.log, expected);
        }
    }
}

TEST(TestModeSession, EveryFailedReadAsksRetryOrCancel)
{
    // Index into the replies of one attempt (step 3 is answered at its first read).
    const struct {
        const char* what;
        std::size_t index;
        Reply reply;
    } cases[] = {
        {"no acknowledgement of the handshake", 0, kNothing},
        {"identification read fails", 1, std::nullopt},
        {"no acknowledgement after the identification", 2, kNothing},
        {"wrong acknowledgement after the identification", 2, std::vector<std::uint8_t>{0x15}},
        {"item not taken", 3, kAck},
        {"frequency frame not taken", 4, kNothing},
        {"tone frame not taken", 5, std::nullopt},
    };
    for (const auto& c : cases) {
        for (Answer answer : {Answer::Cancel, Answer::Retry}) {
            SCOPED_TRACE(c.what + std::string(answer == Answer::Retry ? ", retried" : ", cancelled"));
            ScriptedOpener opener;
            testing::RecordingHost host;
            host.answers = {answer};
            std::vector<Reply> script(kGood.begin(), kGood.begin() + static_cast<long>(c.index));
            script.push_back(c.reply);
            if (c.index == 0)  // step 3 reads a second time before it gives up
                script.push_back(kNothing);
            script.insert(script.end(), kGood.begin(), kGood.end());

            const TestModeOutcome outcome = opener.run(host, script);
            ASSERT_FALSE(host.questions.empty());
            EXPECT_EQ(host.questions[0].message, ScriptedOpener::kMessages.failed);
            EXPECT_EQ(host.questions[0].buttons, Buttons::RetryCancel);
            EXPECT_TRUE(opener.closed);
            if (answer == Answer::Cancel) {
                EXPECT_EQ(outcome, TestModeOutcome::Cancelled);
                EXPECT_EQ(host.questions.size(), 1u);
                EXPECT_EQ(opener.log.back(), "close");
                continue;
            }
            EXPECT_EQ(outcome, TestModeOutcome::Finished);
            EXPECT_EQ(host.questions.back().message, ScriptedOpener::kMessages.finished);
            // The retry runs a whole attempt again on the port that stayed open.
            const auto ask = std::find(opener.log.begin(), opener.log.end(), "ask " + ScriptedOpener::kMessages.failed);
            EXPECT_EQ(Log(ask + 1, opener.log.end() - 2), attemptTranscript());
            EXPECT_EQ(std::count(opener.log.begin(), opener.log.end(), "open COM2"), 1);
        }
    }
}

TEST(TestModeSession, APortThatWillNotOpenEndsTheExchange)
{
    ScriptedOpener opener;
    opener.fail = true;
    testing::RecordingHost host;
    EXPECT_EQ(opener.run(host, {}), TestModeOutcome::PortFailed);
    EXPECT_EQ(opener.log, (Log{"open COM2", "ask cannot open"}));
    EXPECT_EQ(host.questions[0].buttons, Buttons::Ok);
    // The system's reason (a refused permission names its fix) goes with it.
    EXPECT_EQ(host.questions[0].detail, "busy");
}

} // namespace
} // namespace tolvan

#include "link/test_mode_session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <optional>
#include <vector>

namespace tolvan {
namespace {

using Log = std::vector<std::string>;

std::string hex(std::span<const std::uint8_t> bytes)
{
    std::string s;
    char buf[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, s.empty() ? "%02X" : " %02X", b);
        s += buf;
    }
    return s;
}

// A port that logs every call and answers each read with the next scripted
// reply (shorter than asked for is a time-out; nullopt is a device failure).
class ScriptedPort : public Port {
public:
    ScriptedPort(Log& log, std::deque<std::optional<std::vector<std::uint8_t>>>& replies, bool& closed)
        : log_(log), replies_(replies), closed_(closed) {}
    ~ScriptedPort() override
    {
        closed_ = true;
        log_.push_back("close");
    }
    void purge(int mask) override { log_.push_back(mask == kPurgeAll ? "purge" : "purge?"); }
    bool write(std::span<const std::uint8_t> bytes) override
    {
        log_.push_back("write " + hex(bytes));
        return true;
    }
    ReadResult read(std::span<std::uint8_t> buffer) override
    {
        log_.push_back("read " + std::to_string(buffer.size()));
        if (replies_.empty())
            return {true, 0};
        const auto reply = replies_.front();
        replies_.pop_front();
        if (!reply)
            return {false, 0};
        const std::size_t n = std::min(reply->size(), buffer.size());
        std::copy_n(reply->begin(), n, buffer.begin());
        return {true, n};
    }

private:
    Log& log_;
    std::deque<std::optional<std::vector<std::uint8_t>>>& replies_;
    bool& closed_;
};

class ScriptedOpener : public PortOpener {
public:
    PortOpenResult open(const std::string& name, const TimeoutProfile& profile) override
    {
        log.push_back("open " + name);
        EXPECT_EQ(profile.readInterval, TimeoutProfile::test().readInterval);
        EXPECT_EQ(profile.readConstant, TimeoutProfile::test().readConstant);
        if (fail)
            return {nullptr, "busy"};
        return {std::make_unique<ScriptedPort>(log, replies, closed), {}};
    }
    Log log;
    std::deque<std::optional<std::vector<std::uint8_t>>> replies;
    bool fail = false;
    bool closed = false;
};

class ScriptedHost : public LinkHost {
public:
    explicit ScriptedHost(Log& log) : log_(log) {}
    void pause(int ms) override { log_.push_back("pause " + std::to_string(ms)); }
    bool pump() override { return false; }
    Answer ask(const std::string& message, Buttons buttons) override
    {
        log_.push_back("ask " + message);
        asked.push_back({message, buttons});
        if (buttons != Buttons::RetryCancel || answers.empty())
            return Answer::Ok;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    Answer askWithDetail(const std::string& message, const std::string& detail, Buttons buttons) override
    {
        details.push_back(detail);
        return ask(message, buttons);
    }
    void progressRange(int) override {}
    void progress(int) override {}
    void status(const std::string&) override {}
    void setBusy(bool) override {}

    std::deque<Answer> answers;
    std::vector<std::pair<std::string, Buttons>> asked;
    std::vector<std::string> details;

private:
    Log& log_;
};

const TestModeMessages kMessages{"cannot open", "Finish successfully!", " Error had happen ,need try again"};

TestModeRequest squelchRequest()
{
    return {0x73, {0x50, 0x12, 0x60, 0x13, 0x50, 0x12, 0x60, 0x13}, {0x85, 0x08, 0x00, 0x00, 0xFB, 0x01, 0x01, 0xA0}};
}

using Reply = std::optional<std::vector<std::uint8_t>>;
const Reply kAck = std::vector<std::uint8_t>{0x06};
const Reply kReady = std::vector<std::uint8_t>{0x48};
const Reply kIdent = std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8};

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

std::vector<Reply> goodReplies() { return {kAck, kIdent, kAck, kReady, kReady, kReady}; }

TEST(TestModeSession, ASuccessfulExchangeByteForByte)
{
    ScriptedOpener opener;
    ScriptedHost host(opener.log);
    for (const Reply& r : goodReplies())
        opener.replies.push_back(r);
    const TestModeOutcome outcome = TestModeSession(opener, host, kMessages).run("COM2", squelchRequest());
    EXPECT_EQ(outcome, TestModeOutcome::Finished);
    Log expected = {"open COM2"};
    const Log attempt = attemptTranscript();
    expected.insert(expected.end(), attempt.begin(), attempt.end());
    expected.insert(expected.end(), {"close", "ask Finish successfully!"});
    EXPECT_EQ(opener.log, expected);
}

TEST(TestModeSession, OneStrayByteBeforeTheAcknowledgementIsForgiven)
{
    struct Case {
        const char* what;
        std::vector<Reply> step3;
        bool passes;
    };
    const std::vector<Case> cases = {
        {"stray byte then 0x06", {std::vector<std::uint8_t>{0x55}, kAck}, true},
        {"silence then 0x06", {std::vector<std::uint8_t>{}, kAck}, true},
        {"stray byte then another", {std::vector<std::uint8_t>{0x55}, std::vector<std::uint8_t>{0x15}}, false},
        {"stray byte then silence", {std::vector<std::uint8_t>{0x55}, std::vector<std::uint8_t>{}}, false},
    };
    for (const Case& c : cases) {
        ScriptedOpener opener;
        ScriptedHost host(opener.log);
        host.answers = {Answer::Cancel};
        for (const Reply& r : c.step3)
            opener.replies.push_back(r);
        const std::vector<Reply> rest = goodReplies();
        opener.replies.insert(opener.replies.end(), rest.begin() + 1, rest.end());
        const TestModeOutcome outcome = TestModeSession(opener, host, kMessages).run("COM1", squelchRequest());
        EXPECT_EQ(outcome, c.passes ? TestModeOutcome::Finished : TestModeOutcome::Cancelled) << c.what;
        if (c.passes) {
            Log expected = {"open COM1"};
            const Log attempt = attemptTranscript(true);
            expected.insert(expected.end(), attempt.begin(), attempt.end());
            expected.insert(expected.end(), {"close", "ask Finish successfully!"});
            EXPECT_EQ(opener.log, expected) << c.what;
        }
    }
}

TEST(TestModeSession, EveryFailedReadAsksRetryOrCancel)
{
    // Index into the replies of one attempt (step 3 is answered at its first read).
    struct Case {
        const char* what;
        std::size_t index;
        Reply reply;
    };
    const std::vector<Case> cases = {
        {"no acknowledgement of the handshake", 0, std::vector<std::uint8_t>{}},
        {"identification read fails", 1, std::nullopt},
        {"no acknowledgement after the identification", 2, std::vector<std::uint8_t>{}},
        {"wrong acknowledgement after the identification", 2, std::vector<std::uint8_t>{0x15}},
        {"item not taken", 3, std::vector<std::uint8_t>{0x06}},
        {"frequency frame not taken", 4, std::vector<std::uint8_t>{}},
        {"tone frame not taken", 5, std::nullopt},
    };
    for (const Case& c : cases) {
        for (Answer answer : {Answer::Cancel, Answer::Retry}) {
            ScriptedOpener opener;
            ScriptedHost host(opener.log);
            host.answers = {answer};
            std::vector<Reply> first = goodReplies();
            first[c.index] = c.reply;
            if (c.index == 0)  // step 3 reads a second time before it gives up
                first.insert(first.begin() + 1, std::vector<std::uint8_t>{});
            first.resize(c.index + (c.index == 0 ? 2 : 1));
            for (const Reply& r : first)
                opener.replies.push_back(r);
            for (const Reply& r : goodReplies())
                opener.replies.push_back(r);

            const TestModeOutcome outcome = TestModeSession(opener, host, kMessages).run("COM3", squelchRequest());
            ASSERT_FALSE(host.asked.empty()) << c.what;
            EXPECT_EQ(host.asked[0], (std::pair<std::string, Buttons>{kMessages.failed, Buttons::RetryCancel}))
                << c.what;
            EXPECT_TRUE(opener.closed) << c.what;
            if (answer == Answer::Cancel) {
                EXPECT_EQ(outcome, TestModeOutcome::Cancelled) << c.what;
                EXPECT_EQ(host.asked.size(), 1u) << c.what;
                EXPECT_EQ(opener.log.back(), "close") << c.what;
                continue;
            }
            EXPECT_EQ(outcome, TestModeOutcome::Finished) << c.what;
            EXPECT_EQ(host.asked.back().first, kMessages.finished) << c.what;
            // The retry runs a whole attempt again on the port that stayed open.
            const auto ask = std::find(opener.log.begin(), opener.log.end(), "ask " + kMessages.failed);
            const Log retry(ask + 1, opener.log.end() - 2);
            EXPECT_EQ(retry, attemptTranscript()) << c.what;
            EXPECT_EQ(std::count(opener.log.begin(), opener.log.end(), "open COM3"), 1) << c.what;
        }
    }
}

TEST(TestModeSession, APortThatWillNotOpenEndsTheExchange)
{
    ScriptedOpener opener;
    opener.fail = true;
    ScriptedHost host(opener.log);
    EXPECT_EQ(TestModeSession(opener, host, kMessages).run("COM4", squelchRequest()), TestModeOutcome::PortFailed);
    EXPECT_EQ(opener.log, (Log{"open COM4", "ask cannot open"}));
    EXPECT_EQ(host.asked[0].second, Buttons::Ok);
    // The system's reason (a refused permission names its fix) goes with it.
    EXPECT_EQ(host.details, std::vector<std::string>{"busy"});
}

} // namespace
} // namespace tolvan

// Every way a connection can end, with the message, the outcome, and what is
// kept: a broken read hands back nothing, a broken write says where it stopped.

#include "program/exit_status.h"
#include "link/batch_host.h"
#include "link/clone_session.h"
#include "recording_host.h"
#include "sim/radio_port.h"

#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace tolvan {
namespace {

using testing::Rig;
using F = std::function<void(Rig&)>;

// `blocks` is what the radio saw of the transfer's direction (-1: not checked);
// `setup` and `check` hold what goes beyond the radio's faults.
struct FaultCase {
    const char* name;
    const char* edition;
    Direction direction;
    RadioFaults faults;
    CloneResult result;
    std::string LinkTexts::*message;  // null: no failure message
    int blocks = -1;
    F setup = nullptr;
    F check = nullptr;
};

std::vector<std::string> messages(const testing::RecordingHost& h)
{
    std::vector<std::string> out;
    for (const auto& q : h.questions)
        out.push_back(q.message);
    return out;
}

// A radio of distinct bytes without a password, given a new document.
struct FaultRig : Rig {
    explicit FaultRig(const char* id) : Rig(*findEdition(id), testing::pattern(findEdition(id)->imageSize, 0))
    {
        radio.setPassword(edition, "");
    }
    CloneOutcome run(Direction d, std::string password = {}, Language language = Language::English)
    {
        return Rig::run(d, newDocumentImage(edition), std::move(password), language);
    }
};

constexpr auto R = Direction::Read, W = Direction::Write;
constexpr auto Done = CloneResult::Completed, Failed = CloneResult::Failed, Cancelled = CloneResult::Cancelled,
               Declined = CloneResult::Declined;
F typeByte(std::uint8_t b)
{
    return [b](Rig& r) { r.radio.setTypeByte(b); };
}
const F kNoQuestion = [](Rig& r) { EXPECT_TRUE(r.host.questions.empty()); };

const FaultCase kCases[] = {
    {"answersOnSecondAttempt", "cps-twotone", R, {.answerFromAttempt = 2}, Done, nullptr, -1, nullptr,
     [](Rig& r) {
         EXPECT_EQ(r.radio.handshakesSeen(), 2);
         EXPECT_TRUE(r.host.questions.empty());
     }},
    {"strayByteBeforeAck", "cps-twotone", R, {.strayBeforeAck = 0x15}, Done, nullptr},
    {"noAnswerInFifteenAttempts", "cps-twotone", R, {.answerFromAttempt = 99}, Failed, &LinkTexts::commError, -1,
     nullptr, [](Rig& r) {
         EXPECT_EQ(r.radio.handshakesSeen(), 15);
         EXPECT_EQ(r.host.questions.at(0).buttons, Buttons::RetryCancel);
         EXPECT_EQ(r.host.pauses[2], 15);
     }},
    {"retryRestartsTheHandshakeOnTheSamePort", "cps-twotone", R, {.answerFromAttempt = 16}, Done, nullptr, -1,
     [](Rig& r) { r.host.answers = {Answer::Retry}; }, [](Rig& r) {
         EXPECT_EQ(r.opener.opens, 1);
         EXPECT_EQ(r.radio.handshakesSeen(), 16);
         EXPECT_EQ(r.host.questions.size(), 1u);
     }},
    {"wrongStartAcknowledgement", "cps-twotone", R, {.wrongStartAck = 0x15}, Failed, &LinkTexts::commError, -1,
     nullptr, [](Rig& r) { EXPECT_EQ(r.host.pumps, 7 + 601); }},
    {"wrongStartAcknowledgementSixteenChannel", "cps16", W, {.wrongStartAck = 0x00}, Failed, &LinkTexts::commError,
     0, nullptr, [](Rig& r) { EXPECT_EQ(r.host.pumps, 7 + 11); }},
    {"identificationReadFails", "cps-fleet", R, {}, Failed, &LinkTexts::commError, -1,
     [](Rig& r) { r.opener.readsFail = true; }},
    {"startAcknowledgementWriteTriedThreeTimes", "cps-ccir", W, {}, Failed, &LinkTexts::commError, -1, [](Rig& r) {
         r.opener.refuseWrite = [](std::span<const std::uint8_t> b) { return b.size() == 1 && b[0] == 0x06; };
     }, [](Rig& r) {
         const auto& t = r.texts();
         EXPECT_EQ(messages(r.host), (std::vector<std::string>{t.sendOrderError, t.sendOrderError, t.commError}));
     }},
    {"replyTooShort", "cps-twotone", R, {.shortReplyBlock = 5, .shortReplyBytes = 9}, Failed, &LinkTexts::shortReply,
     5},
    {"replyOneByteShortIsReadOnceMore", "cps-twotone", R,
     {.shortReplyBlock = 5, .shortReplyBytes = 11, .shortReplyRestFollows = true}, Done, nullptr},
    {"replyTwoBytesShortForGood", "cps-cn10", R, {.shortReplyBlock = 3, .shortReplyBytes = 10}, Failed,
     &LinkTexts::shortReply},
    {"readBlockNotAcknowledged", "cps-keys", R, {.noAckBlock = 7}, Failed, &LinkTexts::readNoAck, 7},
    {"radioSilentFromBlock", "cps-ccir", R, {.silentFromBlock = 100}, Failed, &LinkTexts::shortReply},
    {"writeBlockNotAcknowledged", "cps-twotone", W, {.noAckBlock = 9}, Failed, &LinkTexts::writeNoAck, 9},
    // The start acknowledgement's 0x06 left in the buffer is no answer to block 1.
    {"firstWriteBlockNotAcknowledged", "cps16-cn", W, {.noAckBlock = 1}, Failed, &LinkTexts::writeNoAck, -1, nullptr,
     [](Rig& r) { EXPECT_TRUE(r.host.positions.empty()); }},
    {"writeRadioSilent", "cps-fleet", W, {.silentFromBlock = 2}, Failed, &LinkTexts::writeNoAck, 1},
    {"portWillNotOpen", "cps-twotone", W, {}, Failed, &LinkTexts::portOpenFail, -1, [](Rig& r) {
         r.opener.failOpen = true;
         r.opener.failDetail = "/dev/ttyS0 is in use by another program.";
     }, [](Rig& r) {
         EXPECT_EQ(r.host.questions.at(0).detail, "/dev/ttyS0 is in use by another program.");
         EXPECT_TRUE(r.radio.transcript().empty());
     }},
    {"cancelWhileDetecting", "cps-twotone", R, {}, Cancelled, nullptr, -1, [](Rig& r) { r.host.cancelAtPump = 3; },
     [](Rig& r) { EXPECT_EQ(r.radio.handshakesSeen(), 0); }},
    {"cancelWhileReading", "cps-keys", R, {}, Cancelled, nullptr, 5,
     [](Rig& r) { r.host.cancelAtPump = 7 + 199 * 4 + 1; }},
    // A cancel taken in a write pass ends the connection at the next pass.
    {"cancelWhileWriting", "cps-twotone", W, {}, Cancelled, nullptr, 10,
     [](Rig& r) { r.host.cancelAtPump = 7 + 21 * 9 + 1; }},
    {"cancelInTheLastWritePassComesTooLate", "cps16", W, {}, Done, nullptr, -1,
     [](Rig& r) { r.host.cancelAtPump = 7 + 201 * 123; }},
    {"typeMismatchAcceptedOnce", "cps-twotone", W, {}, Done, nullptr, -1, [](Rig& r) {
         r.radio.setTypeByte(0x02);
         r.host.answers = {Answer::Ok};
     }, [](Rig& r) {
         EXPECT_EQ(messages(r.host), std::vector<std::string>{r.texts().typeMismatch});
         EXPECT_EQ(r.host.questions[0].buttons, Buttons::OkCancel);
         EXPECT_EQ(r.radio.handshakesSeen(), 2);
         EXPECT_EQ(r.host.pumps, 7 + 351 + 7 + 508 * 21);
     }},
    {"typeMismatchDeclined", "cps-fleet", W, {}, Declined, &LinkTexts::typeMismatch, 0, typeByte(0x39)},
    // No question in these: the check passes, is not made, or the edition has none.
    {"typeMatches", "cps-fleet", W, {}, Done, nullptr, -1, typeByte(0x38), kNoQuestion},
    {"typeFFPassesAnyImage", "cps-twotone", W, {}, Done, nullptr, -1, typeByte(0xFF), kNoQuestion},
    {"readingNeverChecksType", "cps-twotone", R, {}, Done, nullptr, -1, typeByte(0x02), kNoQuestion},
    {"editionWithoutTypeCheck", "cps-cn10", W, {}, Done, nullptr, -1, typeByte(0x02), kNoQuestion},
    // Missing identification bytes keep the zeros the buffer started with.
    {"shortIdentificationKeepsEarlierBytes", "cps-twotone", W, {.identificationBytes = 3}, Declined,
     &LinkTexts::typeMismatch},
    {"passwordDiffers", "cps-keys", R, {}, Declined, &LinkTexts::passwordIncorrect, 2,
     [](Rig& r) { r.radio.setPassword(r.edition, "1234"); },
     [](Rig& r) { EXPECT_EQ(r.host.questions.at(0).buttons, Buttons::Ok); }},
};

class Faults : public ::testing::TestWithParam<FaultCase> {};

INSTANTIATE_TEST_SUITE_P(Link, Faults, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(Faults, EndAsTheRadioNeeds)
{
    const FaultCase& c = GetParam();
    FaultRig rig(c.edition);
    rig.radio.faults = c.faults;
    if (c.setup)
        c.setup(rig);
    const CloneOutcome out = rig.run(c.direction);
    EXPECT_EQ(out.result, c.result) << out.message;
    if (c.blocks >= 0) {
        EXPECT_EQ(c.direction == R ? rig.radio.blocksRead() : rig.radio.blocksWritten(), c.blocks);
    }
    if (c.message) {
        const std::string& expected = rig.texts().*c.message;
        EXPECT_EQ(out.message, expected);
        ASSERT_FALSE(rig.host.questions.empty());
        EXPECT_EQ(rig.host.questions.back().message, expected);
    }
    // Only a complete read hands back an image; nothing is kept from a broken one.
    EXPECT_EQ(out.image.has_value(), c.result == CloneResult::Completed && c.direction == Direction::Read);
    if (out.image) {
        for (std::size_t i = 0; i < 8 * static_cast<std::size_t>(rig.edition.link.readBlocks); ++i)
            ASSERT_EQ(out.image->at(i), rig.radio.memory().at(i));
    }
    // Every message of the exchange is shown with busy cleared.
    for (bool busy : rig.host.busyWhenAsked)
        EXPECT_FALSE(busy);
    EXPECT_FALSE(rig.host.busy);
    if (c.check)
        c.check(rig);
}

TEST(Password, DigitsMatchIgnoringTrailingBlanks)
{
    const struct {
        const char* stored;
        const char* typed;
        CloneResult result;
    } cases[] = {{"1234", "1234", Done}, {"1234", "1234  ", Done}, {"", "", Done},
                 {"1234", "", Declined}, {"", "0", Declined},      {"123456", "12345", Declined}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.stored) + " / " + c.typed);
        FaultRig rig("cps-keys-cn");
        rig.radio.setPassword(rig.edition, c.stored);
        EXPECT_EQ(rig.run(Direction::Read, c.typed).result, c.result);
    }
}

TEST(Password, ComparedOnlyWhereTheEditionHasOne)
{
    FaultRig rig("cps16");
    rig.radio.memory().set(0, '7');
    EXPECT_EQ(rig.run(Direction::Read, "").result, CloneResult::Completed);
}

TEST(ChineseTexts, MessagesFollowTheLanguage)
{
    FaultRig rig("cps-twotone");
    rig.radio.faults.answerFromAttempt = 99;
    const CloneOutcome out = rig.run(Direction::Read, "", Language::Chinese);
    EXPECT_EQ(out.message, "通讯错误，请检查连接线是否接触良好或对讲机电源是否开启");
}

TEST(BatchHost, AnswersFromTheOptions)
{
    std::ostringstream err;
    BatchLinkHost host(err, "Reading Data Progress", {.retries = 2, .acceptTypeMismatch = false}, false);
    EXPECT_EQ(host.ask("a", Buttons::RetryCancel), Answer::Retry);
    EXPECT_EQ(host.ask("b", Buttons::RetryCancel), Answer::Retry);
    EXPECT_EQ(host.ask("c", Buttons::RetryCancel), Answer::Cancel);
    EXPECT_EQ(host.ask("d", Buttons::OkCancel), Answer::Cancel);
    EXPECT_EQ(host.askWithDetail("e", "why", Buttons::Ok), Answer::Ok);
    EXPECT_FALSE(host.pump());
    EXPECT_EQ(err.str(), "a\nb\nc\nd\ne\nwhy\n");

    BatchLinkHost accepting(err, "t", {.retries = 0, .acceptTypeMismatch = true}, false);
    EXPECT_EQ(accepting.ask("x", Buttons::OkCancel), Answer::Ok);
    EXPECT_EQ(accepting.ask("y", Buttons::RetryCancel), Answer::Cancel);
}

TEST(BatchHost, ExitStatusOfEveryOutcome)
{
    EXPECT_EQ(exitStatusOf({CloneResult::Completed, {}, {}}), kExitDone);
    EXPECT_EQ(exitStatusOf({CloneResult::Failed, "x", {}}), kExitLinkError);
    EXPECT_EQ(exitStatusOf({CloneResult::Cancelled, {}, {}}), kExitDeclined);
    EXPECT_EQ(exitStatusOf({CloneResult::Declined, "x", {}}), kExitDeclined);
}

} // namespace
} // namespace tolvan

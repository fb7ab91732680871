// Every way a connection can end, with the message, the outcome, and what is
// kept: a broken read hands back nothing, a broken write says where it stopped.

#include "program/exit_status.h"
#include "link/batch_host.h"
#include "link/clone_session.h"
#include "recording_host.h"
#include "sim/radio_port.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace tolvan {
namespace {

using testing::Rig;
using F = std::function<void(Rig&)>;

// `setup` gives what goes beyond the radio's faults; what each case ends in is
// in tests/link/golden/clone_faults.txt.
struct FaultCase {
    const char* name;
    const char* edition;
    Direction direction;
    RadioFaults faults;
    F setup = nullptr;
    const char* password = "";  // as typed for a read
    Language language = Language::English;
};

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
F typeByte(std::uint8_t b)
{
    return [b](Rig& r) { r.radio.setTypeByte(b); };
}
F stored(const char* digits)
{
    return [digits](Rig& r) { r.radio.setPassword(r.edition, digits); };
}

const FaultCase kCases[] = {
    {"answersOnSecondAttempt", "cps-twotone", R, {.answerFromAttempt = 2}},
    {"strayByteBeforeAck", "cps-twotone", R, {.strayBeforeAck = 0x15}},
    {"noAnswerInFifteenAttempts", "cps-twotone", R, {.answerFromAttempt = 99}},
    {"noAnswerInChinese", "cps-twotone", R, {.answerFromAttempt = 99}, nullptr, "", Language::Chinese},
    {"retryRestartsTheHandshakeOnTheSamePort", "cps-twotone", R, {.answerFromAttempt = 16},
     [](Rig& r) { r.host.answers = {Answer::Retry}; }},
    {"wrongStartAcknowledgement", "cps-twotone", R, {.wrongStartAck = 0x15}},
    {"wrongStartAcknowledgementSixteenChannel", "cps16", W, {.wrongStartAck = 0x00}},
    {"identificationReadFails", "cps-fleet", R, {}, [](Rig& r) { r.opener.readsFail = true; }},
    {"startAcknowledgementWriteTriedThreeTimes", "cps-ccir", W, {}, [](Rig& r) {
         r.opener.refuseWrite = [](std::span<const std::uint8_t> b) { return b.size() == 1 && b[0] == 0x06; };
     }},
    {"replyTooShort", "cps-twotone", R, {.shortReplyBlock = 5, .shortReplyBytes = 9}},
    {"replyOneByteShortIsReadOnceMore", "cps-twotone", R,
     {.shortReplyBlock = 5, .shortReplyBytes = 11, .shortReplyRestFollows = true}},
    {"replyTwoBytesShortForGood", "cps-cn10", R, {.shortReplyBlock = 3, .shortReplyBytes = 10}},
    {"readBlockNotAcknowledged", "cps-keys", R, {.noAckBlock = 7}},
    {"radioSilentFromBlock", "cps-ccir", R, {.silentFromBlock = 100}},
    {"writeBlockNotAcknowledged", "cps-twotone", W, {.noAckBlock = 9}},
    // The start acknowledgement's 0x06 left in the buffer is no answer to block 1.
    {"firstWriteBlockNotAcknowledged", "cps16-cn", W, {.noAckBlock = 1}},
    {"writeRadioSilent", "cps-fleet", W, {.silentFromBlock = 2}},
    {"portWillNotOpen", "cps-twotone", W, {}, [](Rig& r) {
         r.opener.failOpen = true;
         r.opener.failDetail = "/dev/ttyS0 is in use by another program.";
     }},
    {"cancelWhileDetecting", "cps-twotone", R, {}, [](Rig& r) { r.host.cancelAtPump = 3; }},
    {"cancelWhileReading", "cps-keys", R, {}, [](Rig& r) { r.host.cancelAtPump = 7 + 199 * 4 + 1; }},
    // A cancel taken in a write pass ends the connection at the next pass.
    {"cancelWhileWriting", "cps-twotone", W, {}, [](Rig& r) { r.host.cancelAtPump = 7 + 21 * 9 + 1; }},
    {"cancelInTheLastWritePassComesTooLate", "cps16", W, {}, [](Rig& r) { r.host.cancelAtPump = 7 + 201 * 123; }},
    {"typeMismatchAcceptedOnce", "cps-twotone", W, {}, [](Rig& r) {
         r.radio.setTypeByte(0x02);
         r.host.answers = {Answer::Ok};
     }},
    {"typeMismatchDeclined", "cps-fleet", W, {}, typeByte(0x39)},
    // No question in these: the check passes, is not made, or the edition has none.
    {"typeMatches", "cps-fleet", W, {}, typeByte(0x38)},
    {"typeFFPassesAnyImage", "cps-twotone", W, {}, typeByte(0xFF)},
    {"readingNeverChecksType", "cps-twotone", R, {}, typeByte(0x02)},
    {"editionWithoutTypeCheck", "cps-cn10", W, {}, typeByte(0x02)},
    // Missing identification bytes keep the zeros the buffer started with.
    {"shortIdentificationKeepsEarlierBytes", "cps-twotone", W, {.identificationBytes = 3}},
    {"passwordDiffers", "cps-keys", R, {}, stored("1234")},
    // Digits match, trailing blanks typed ignored.
    {"passwordMatches", "cps-keys-cn", R, {}, stored("1234"), "1234"},
    {"passwordMatchesTrailingBlanksTyped", "cps-keys-cn", R, {}, stored("1234"), "1234  "},
    {"passwordNoneStoredNoneTyped", "cps-keys-cn", R, {}, nullptr, ""},
    {"passwordNotTyped", "cps-keys-cn", R, {}, stored("1234"), ""},
    {"passwordTypedWhereNoneIsStored", "cps-keys-cn", R, {}, nullptr, "0"},
    {"passwordTypedShort", "cps-keys-cn", R, {}, stored("123456"), "12345"},
    // Digits where a password would be are no password in an edition without one.
    {"passwordNotComparedWithoutACheck", "cps16", R, {}, [](Rig& r) { r.radio.memory().set(0, '7'); }},
};

TEST(Faults, EndAsTheRadioNeeds)
{
    static const char* const kResults[] = {"Completed", "Cancelled", "Failed", "Declined"};
    std::string text;
    for (const FaultCase& c : kCases) {
        SCOPED_TRACE(c.name);
        FaultRig rig(c.edition);
        rig.radio.faults = c.faults;
        if (c.setup)
            c.setup(rig);
        const CloneOutcome out = rig.run(c.direction, c.password, c.language);
        // Only a complete read hands back an image; nothing is kept from a broken one.
        EXPECT_EQ(out.image.has_value(), out.result == CloneResult::Completed && c.direction == R);
        if (out.image) {
            const auto sent = 8 * static_cast<std::size_t>(rig.edition.link.readBlocks);
            EXPECT_TRUE(std::ranges::equal(out.image->bytes(0, sent), rig.radio.memory().bytes(0, sent)));
        }
        // Every message of the exchange is shown with busy cleared.
        for (bool busy : rig.host.busyWhenAsked)
            EXPECT_FALSE(busy);
        std::ostringstream head;
        head << "== " << c.name << ": " << c.edition << (c.direction == R ? " read -> " : " write -> ")
             << kResults[static_cast<int>(out.result)] << (out.message.empty() ? "" : ": ") << out.message
             << "\nradio: " << rig.opener.opens << " opened, " << rig.radio.handshakesSeen() << " handshakes, "
             << rig.radio.blocksRead() << " blocks read, " << rig.radio.blocksWritten() << " written, "
             << rig.radio.transcript().size() << " bytes on the wire\n";
        text += head.str() + testing::hostText(rig.host);
    }
    expectGolden("link", "clone_faults", text);
}

// A session run again starts afresh: its second run has fifteen attempts of
// its own, so the radio that answers the thirtieth handshake is reached.
TEST(Faults, ASessionRunAgainStartsAfresh)
{
    FaultRig rig("cps-keys");
    rig.radio.faults.answerFromAttempt = 30;
    CloneSession session(rig.edition, Language::English, rig.host);
    const CloneRequest request{Direction::Read, newDocumentImage(rig.edition), ""};
    EXPECT_EQ(session.run(rig.opener, "COM1", request).result, CloneResult::Failed);
    EXPECT_EQ(session.run(rig.opener, "COM1", request).result, CloneResult::Completed);
    EXPECT_EQ(rig.radio.handshakesSeen(), 30);
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

// Verify after write: a radio that holds what was sent passes, one that
// silently keeps a wrong byte is caught and named by channel, setting or
// address; bytes a write never sends are not compared. And several radios
// written at once, one of them failing.

#include "link/fleet_write.h"
#include "link/write_verify.h"
#include "program/exit_status.h"
#include "recording_host.h"
#include "sim/radio_port.h"
#include "sim/sample_codeplug.h"

#include <gtest/gtest.h>

namespace tolvan {
namespace {

// A radio of zeros that is sent the sample channels.
struct VerifyRig : testing::Rig {
    explicit VerifyRig(const Edition& e) : Rig(e, MemoryImage(e.imageSize)), sent(sampleCodeplug(e)) {}

    VerifyOutcome verify(Language language = Language::English)
    {
        return verifyWritten(edition, language, host, opener, "COM1", sent);
    }
    VerifyOutcome writeAndVerify(Language language = Language::English)
    {
        const CloneOutcome written = run(Direction::Write, sent, {}, language);
        EXPECT_EQ(written.result, CloneResult::Completed) << written.message;
        return verify(language);
    }
    // The radio keeps `wrong` where it is sent the byte at `address`.
    void keepsWrong(std::size_t address, std::uint8_t flip)
    {
        radio.faults.wrongByte = {{address, static_cast<std::uint8_t>(sent.at(address) ^ flip)}};
    }

    MemoryImage sent;
};

// An address in the written range that is neither a channel nor a named setting.
std::optional<std::size_t> unnamedAddress(const Edition& e)
{
    const auto settings = namedSettings(e, Language::English);
    for (std::size_t a = 0; a < writtenBytes(e); ++a) {
        bool named = channelAt(e, a) != 0;
        for (const auto& s : settings)
            for (const auto& b : s.bits)
                named = named || b.offset == a;
        if (!named)
            return a;
    }
    return std::nullopt;
}

// A text in the language the edition shows when English is asked for.
std::string shown(const Edition& e, const char* english, const char* chinese)
{
    return e.uiLanguage(Language::English) == Language::English ? english : chinese;
}

class WriteVerify : public ::testing::TestWithParam<const Edition*> {};

// Bytes the write never sends are not compared.
TEST_P(WriteVerify, AGoodRadioIsVerified)
{
    const Edition& e = *GetParam();
    VerifyRig rig(e);
    for (std::size_t a = writtenBytes(e); a < e.imageSize; ++a)
        rig.radio.memory().set(a, static_cast<std::uint8_t>(rig.sent.at(a) ^ 0x5A));
    const VerifyOutcome v = rig.writeAndVerify();
    EXPECT_TRUE(v.verified) << v.message;
    EXPECT_EQ(v.message, shown(e, "Verified: the radio holds what was written.",
                               "校验通过：对讲机中的数据与写入的一致。"));
    EXPECT_EQ(rig.radio.blocksRead(), rig.edition.link.readBlocks);
}

TEST_P(WriteVerify, AWrongByteInAChannelIsCaughtAndNamed)
{
    const Edition& e = *GetParam();
    VerifyRig rig(e);
    const std::size_t address = e.recordOffset(2) + 1;  // channel 2's receive frequency
    rig.keepsWrong(address, 0x11);
    const VerifyOutcome v = rig.writeAndVerify();
    EXPECT_FALSE(v.verified);
    EXPECT_EQ(v.difference.channels, std::vector<int>{2});
    EXPECT_TRUE(v.difference.otherBytes.empty());
    EXPECT_EQ(v.message, shown(e, "Verify failed: the radio does not hold what was written.\nChannels: 2",
                               "校验失败：对讲机中的数据与写入的不一致。\n信道：2"));
}

TEST_P(WriteVerify, AWrongSettingsByteIsNamedAsTheReportNamesIt)
{
    const Edition& e = *GetParam();
    VerifyRig rig(e);
    // The last printed item that reads a byte of its own.
    const auto settings = namedSettings(e, Language::Chinese);
    ASSERT_FALSE(settings.empty());
    const NamedSetting* target = nullptr;
    for (const auto& s : settings)
        if (s.bits.size() == 1 && channelAt(e, s.bits[0].offset) == 0 && s.bits[0].offset < writtenBytes(e))
            target = &s;
    ASSERT_NE(target, nullptr);
    const auto [offset, mask] = target->bits[0];
    rig.keepsWrong(offset, mask);
    const VerifyOutcome v = rig.writeAndVerify(Language::Chinese);
    EXPECT_FALSE(v.verified);
    ASSERT_FALSE(v.difference.settings.empty());
    const std::string heading = e.uiLanguage(Language::Chinese) == Language::Chinese ? "\n设置：" : "\nSettings: ";
    EXPECT_NE(v.message.find(heading + target->name), std::string::npos) << v.message;
    EXPECT_TRUE(v.difference.channels.empty());
}

TEST_P(WriteVerify, AnUnnamedByteIsShownByAddress)
{
    const Edition& e = *GetParam();
    const auto address = unnamedAddress(e);
    ASSERT_TRUE(address);
    VerifyRig rig(e);
    rig.keepsWrong(*address, 0x80);
    const VerifyOutcome v = rig.writeAndVerify();
    EXPECT_FALSE(v.verified);
    EXPECT_EQ(v.difference.otherBytes, std::vector<std::size_t>{*address});
    EXPECT_NE(v.message.find(shown(e, "Other bytes: ", "其他字节：") + addressText(*address)), std::string::npos)
        << v.message;
}

TEST_P(WriteVerify, AReadBackThatBreaksOffIsAFailure)
{
    const Edition& e = *GetParam();
    VerifyRig rig(e);
    ASSERT_EQ(rig.run(Direction::Write, rig.sent).result, CloneResult::Completed);
    rig.radio.faults.silentFromBlock = 3;  // blocks count anew in each connection
    const VerifyOutcome v = rig.verify();
    EXPECT_FALSE(v.verified);
    EXPECT_EQ(v.readBack.result, CloneResult::Failed);
    EXPECT_EQ(v.message, shown(e, "Verify failed: the radio could not be read back.\n", "校验失败：无法读回对讲机的数据。\n")
                             + e.texts(Language::English).link.shortReply);
}

TEST_P(WriteVerify, SeveralRadiosAtOnceOneFailing)
{
    const Edition& e = *GetParam();
    std::map<std::string, std::unique_ptr<VirtualRadio>> radios;
    const std::vector<std::string> ports = {"A", "B", "C", "D"};
    for (const auto& p : ports)
        radios[p] = std::make_unique<VirtualRadio>(e);
    radios["B"]->faults.silentFromBlock = 5;
    radios["D"]->faults.wrongByte = {{e.recordOffset(1), 0x42}};
    const MemoryImage image = sampleCodeplug(e);
    const auto results = writeToFleet(e, Language::English, ports, image, {.verify = true, .pauses = false},
                                      [&](const std::string& port) {
                                          return std::make_unique<RadioPortOpener>(*radios.at(port));
                                      });
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[0].port, "A");
    EXPECT_EQ(results[0].exitStatus, kExitDone);
    EXPECT_EQ(results[0].text, shown(e, "Verified: the radio holds what was written.",
                                     "校验通过：对讲机中的数据与写入的一致。"));
    EXPECT_EQ(results[1].exitStatus, kExitLinkError);
    EXPECT_EQ(results[1].text, e.texts(Language::English).link.writeNoAck);
    EXPECT_EQ(results[2].exitStatus, kExitDone);
    EXPECT_EQ(results[3].exitStatus, kExitLinkError);
    EXPECT_EQ(results[3].text, shown(e, "Verify failed: the radio does not hold what was written. Channels: 1",
                                     "校验失败：对讲机中的数据与写入的不一致。 信道：1"));
    EXPECT_EQ(fleetExitStatus(results), kExitLinkError);
    // The others completed: their radios hold the image's written range.
    for (const char* ok : {"A", "C"})
        for (std::size_t a = 0; a < writtenBytes(e); ++a)
            ASSERT_EQ(radios[ok]->memory().at(a), image.at(a)) << ok << " " << a;
}

INSTANTIATE_TEST_SUITE_P(Verify, WriteVerify, ::testing::ValuesIn(allEditions()), testing::editionName);

} // namespace
} // namespace tolvan

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

#include <algorithm>

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

// Every edition: a good radio (bytes the write never sends differ and are not
// compared), a wrong byte in a channel, in a setting the report names (asked in
// Chinese), in an unnamed byte, a read-back that breaks off, and four radios at
// once, one silent and one keeping a wrong byte. What each ends in is in
// tests/link/golden/write_verify.txt.
TEST(WriteVerify, EveryEditionEveryOutcome)
{
    std::string text;
    for (const Edition* edition : allEditions()) {
        const Edition& e = *edition;
        SCOPED_TRACE(e.id);
        text += "== " + e.id + "\n";
        const auto outcome = [&](const char* what, const VerifyOutcome& v) {
            EXPECT_EQ(v.verified, v.difference.empty() && v.readBack.result == CloneResult::Completed);
            text += std::string(what) + (v.verified ? ": verified: " : ": not verified: ") + v.message + "\n";
        };
        VerifyRig good(e);
        for (std::size_t a = writtenBytes(e); a < e.imageSize; ++a)
            good.radio.memory().set(a, static_cast<std::uint8_t>(good.sent.at(a) ^ 0x5A));
        outcome("good radio", good.writeAndVerify());
        EXPECT_EQ(good.radio.blocksRead(), e.link.readBlocks);

        VerifyRig channel(e);
        channel.keepsWrong(e.recordOffset(2) + 1, 0x11);  // channel 2's receive frequency
        outcome("channel 2", channel.writeAndVerify());

        // The last printed item that reads a byte of its own.
        const NamedSetting* target = nullptr;
        const auto settings = namedSettings(e, Language::Chinese);
        for (const auto& s : settings)
            if (s.bits.size() == 1 && channelAt(e, s.bits[0].offset) == 0 && s.bits[0].offset < writtenBytes(e))
                target = &s;
        ASSERT_NE(target, nullptr);
        VerifyRig setting(e);
        setting.keepsWrong(target->bits[0].offset, target->bits[0].mask);
        outcome("setting", setting.writeAndVerify(Language::Chinese));

        const auto address = unnamedAddress(e);
        ASSERT_TRUE(address);
        VerifyRig unnamed(e);
        unnamed.keepsWrong(*address, 0x80);
        outcome("unnamed byte", unnamed.writeAndVerify());

        VerifyRig broken(e);
        ASSERT_EQ(broken.run(Direction::Write, broken.sent).result, CloneResult::Completed);
        broken.radio.faults.silentFromBlock = 3;  // blocks count anew in each connection
        outcome("read-back breaks off", broken.verify());

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
        for (const FleetResult& r : results)
            text += "fleet " + r.port + ": " + std::to_string(r.exitStatus) + " " + r.text + "\n";
        text += "fleet: " + std::to_string(fleetExitStatus(results)) + "\n";
        // The others completed: their radios hold the image's written range.
        for (const char* ok : {"A", "C"})
            EXPECT_TRUE(std::ranges::equal(radios[ok]->memory().bytes(0, writtenBytes(e)), image.bytes(0, writtenBytes(e))));
    }
    expectGolden("link", "write_verify", text);
}

} // namespace
} // namespace tolvan

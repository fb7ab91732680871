// Byte-exact transcripts of complete reads and writes in every edition, with
// the pacing and progress figures each edition states.

#include "link/clone_session.h"
#include "recording_host.h"
#include "sim/radio_port.h"

#include <gtest/gtest.h>

namespace tolvan {
namespace {

using testing::pattern;
using testing::Rig;
using Bytes = std::vector<std::uint8_t>;

const Bytes kHandshakeOut = {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02, 0x06};

Bytes side(const VirtualRadio& radio, bool fromRadio)
{
    Bytes out;
    for (const TranscriptEntry& e : radio.transcript())
        if (e.fromRadio == fromRadio)
            out.push_back(e.byte);
    return out;
}

// The radio's side before the first block: 0x06, the identification, 0x06.
Bytes radioUpToTheBlocks(VirtualRadio& radio)
{
    Bytes out = {0x06};
    for (std::uint8_t b : radio.identification())
        out.push_back(b);
    out.push_back(0x06);
    return out;
}

class EveryEdition : public ::testing::TestWithParam<const Edition*> {};

INSTANTIATE_TEST_SUITE_P(Link, EveryEdition, ::testing::ValuesIn(allEditions()), testing::editionName);

TEST_P(EveryEdition, ReadTranscriptPacingAndStagedImage)
{
    const Edition& e = *GetParam();
    const LinkFigures& f = e.link;
    Rig rig(e, pattern(e.imageSize, 3));
    auto [radio, host] = std::tie(rig.radio, rig.host);
    radio.setPassword(e, "");  // no digits: matches an empty password field

    const CloneOutcome out = rig.run(Direction::Read, MemoryImage(e.imageSize, 0xA5));

    ASSERT_EQ(out.result, CloneResult::Completed) << out.message;
    ASSERT_TRUE(out.image);
    const std::size_t sent = 8 * static_cast<std::size_t>(f.readBlocks);
    for (std::size_t i = 0; i < e.imageSize; ++i)
        ASSERT_EQ(out.image->at(i), i < sent ? radio.memory().at(i) : 0xA5) << "byte " << i;

    Bytes pc = kHandshakeOut;
    Bytes fromRadio = radioUpToTheBlocks(radio);
    for (int b = 0; b < f.readBlocks; ++b) {
        const std::size_t a = 8 * static_cast<std::size_t>(b);
        const Bytes command = {'R', static_cast<std::uint8_t>(a >> 8), static_cast<std::uint8_t>(a), 8};
        pc.insert(pc.end(), command.begin(), command.end());
        pc.push_back(0x06);
        fromRadio.insert(fromRadio.end(), command.begin(), command.end());
        for (std::size_t i = 0; i < 8; ++i)
            fromRadio.push_back(radio.memory().at(a + i));
        fromRadio.push_back(0x06);
    }
    EXPECT_EQ(side(radio, false), pc);
    EXPECT_EQ(side(radio, true), fromRadio);

    // Pacing: seven 1 ms passes and seven 1 ms handshake pauses per attempt,
    // 1 ms before 'M' and 0x02, then the edition's per-block figures.
    std::map<int, int> pauses;
    pauses[1] = 7 + 7 + 2;
    if (f.readAckPauseMs > 0)
        pauses[f.readAckPauseMs] += f.readBlocks;
    if (f.readAfterPassesMs > 0)
        pauses[f.readAfterPassesMs] += f.readBlocks;
    EXPECT_EQ(host.pauses, pauses);
    EXPECT_EQ(host.pumps, 7 + f.readBlocks * f.readPumpPasses);

    // Progress: one step per block while below the limit, then the final position.
    EXPECT_EQ(host.range, f.progressMax);
    const int steps = std::min(f.readStepBelow, f.readBlocks);
    ASSERT_EQ(host.positions.size(), static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i < steps; ++i)
        EXPECT_EQ(host.positions[static_cast<std::size_t>(i)], i + 1);
    EXPECT_EQ(host.positions.back(), f.readFinal);
    const auto& t = e.texts(Language::English).link;
    ASSERT_GE(host.statuses.size(), 3u);
    EXPECT_EQ(host.statuses[0], t.detecting);
    EXPECT_EQ(host.statuses[1], t.waiting);
    EXPECT_EQ(host.statuses.back(), std::to_string(steps));
    EXPECT_TRUE(host.questions.empty());
    EXPECT_FALSE(host.busy);
}

TEST_P(EveryEdition, WriteTranscriptPacingAndRadioMemory)
{
    const Edition& e = *GetParam();
    const LinkFigures& f = e.link;
    const MemoryImage radioBefore = pattern(e.imageSize, 11), image = pattern(e.imageSize, 200);
    Rig rig(e, radioBefore);
    auto [radio, host] = std::tie(rig.radio, rig.host);

    const CloneOutcome out = rig.run(Direction::Write, image);

    ASSERT_EQ(out.result, CloneResult::Completed) << out.message;
    EXPECT_FALSE(out.image);
    const std::size_t sent = 8 * static_cast<std::size_t>(f.writeBlocks);
    for (std::size_t i = 0; i < e.imageSize; ++i)
        ASSERT_EQ(radio.memory().at(i), i < sent ? image.at(i) : radioBefore.at(i)) << "byte " << i;

    Bytes pc = kHandshakeOut;
    Bytes fromRadio = radioUpToTheBlocks(radio);
    for (int b = 0; b < f.writeBlocks; ++b) {
        const std::size_t a = 8 * static_cast<std::size_t>(b);
        pc.insert(pc.end(), {'W', static_cast<std::uint8_t>(a >> 8), static_cast<std::uint8_t>(a), 8});
        for (std::size_t i = 0; i < 8; ++i)
            pc.push_back(image.at(a + i));
        fromRadio.push_back(0x06);
    }
    EXPECT_EQ(side(radio, false), pc);
    EXPECT_EQ(side(radio, true), fromRadio);

    // 1 ms between command and data and 1 ms after each block's passes.
    EXPECT_EQ(host.pauses, (std::map<int, int>{{1, 7 + 7 + 2 + 2 * f.writeBlocks}}));
    EXPECT_EQ(host.pumps, 7 + f.writeBlocks * f.writePumpPasses);

    const int steps = std::min(f.writeStepBelow, f.writeBlocks);
    ASSERT_EQ(host.positions.size(), static_cast<std::size_t>(steps) + 1);
    EXPECT_EQ(host.positions[static_cast<std::size_t>(steps) - 1], steps);
    EXPECT_EQ(host.positions.back(), f.writeFinal);
    EXPECT_TRUE(host.questions.empty());
}

// What a read hands back can be written again: the radio ends up unchanged.
TEST_P(EveryEdition, ReadThenWriteLeavesTheRadioAsItWas)
{
    const Edition& e = *GetParam();
    Rig rig(e, pattern(e.imageSize, 77));
    rig.radio.setPassword(e, "");
    const MemoryImage original = rig.radio.memory();

    const CloneOutcome read = rig.run(Direction::Read, newDocumentImage(e));
    ASSERT_EQ(read.result, CloneResult::Completed);
    rig.radio.memory().fill(0, e.imageSize, 0x00);
    ASSERT_EQ(rig.run(Direction::Write, *read.image).result, CloneResult::Completed);
    for (std::size_t i = 0; i < 8 * static_cast<std::size_t>(e.link.writeBlocks); ++i)
        ASSERT_EQ(rig.radio.memory().at(i), original.at(i)) << "byte " << i;
}

} // namespace
} // namespace tolvan

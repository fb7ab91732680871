// Byte-exact transcripts of complete reads and writes in every edition, with
// the pacing and progress figures each edition states, in one snapshot per
// edition (tests/link/golden/transcript-<program>.txt).

#include "link/clone_session.h"
#include "recording_host.h"
#include "sim/radio_port.h"

#include <gtest/gtest.h>

namespace tolvan {
namespace {

using testing::pattern;
using testing::Rig;
using testing::hostText;
using testing::wireText;

class EveryEdition : public ::testing::TestWithParam<const Edition*> {};

INSTANTIATE_TEST_SUITE_P(Link, EveryEdition, ::testing::ValuesIn(allEditions()), testing::editionName);

// A read stages the radio's bytes over the image it started from; a write
// leaves the radio's bytes past the written blocks as they were.
TEST_P(EveryEdition, ReadAndWriteTranscripts)
{
    const Edition& e = *GetParam();
    Rig reader(e, pattern(e.imageSize, 3));
    reader.radio.setPassword(e, "");  // no digits: matches an empty password field
    const CloneOutcome read = reader.run(Direction::Read, MemoryImage(e.imageSize, 0xA5));
    ASSERT_EQ(read.result, CloneResult::Completed) << read.message;
    MemoryImage staged(e.imageSize, 0xA5);
    staged.write(0, reader.radio.memory().bytes(0, 8 * static_cast<std::size_t>(e.link.readBlocks)));
    EXPECT_EQ(read.image, staged);

    const MemoryImage image = pattern(e.imageSize, 200);
    Rig writer(e, pattern(e.imageSize, 11));
    MemoryImage stored = writer.radio.memory();
    const CloneOutcome written = writer.run(Direction::Write, image);
    ASSERT_EQ(written.result, CloneResult::Completed) << written.message;
    EXPECT_FALSE(written.image);
    stored.write(0, image.bytes(0, 8 * static_cast<std::size_t>(e.link.writeBlocks)));
    EXPECT_EQ(writer.radio.memory(), stored);

    expectGolden("link", "transcript-" + e.id,
                 "read\n" + hostText(reader.host) + wireText(reader.radio) + "\nwrite\n" + hostText(writer.host)
                     + wireText(writer.radio));
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

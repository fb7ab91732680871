// Byte-exact transcripts of complete reads and writes in every edition, with
// the pacing and progress figures each edition states, in one snapshot per
// edition (tests/link/golden/transcript-<program>.txt).

#include "link/clone_session.h"
#include "recording_host.h"
#include "sim/radio_port.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tolvan {
namespace {

using testing::pattern;
using testing::Rig;
using testing::hostText;
using testing::wireText;

// A read stages the radio's bytes over the image it started from; a write
// leaves the radio's bytes past the written blocks as they were; what a read
// hands back can be written again and leaves the radio as it was.
TEST(EveryEdition, ReadAndWriteTranscriptsAndTheRoundTrip)
{
    for (const Edition* edition : allEditions()) {
        const Edition& e = *edition;
        SCOPED_TRACE(e.id);
        const std::size_t readBytes = 8 * static_cast<std::size_t>(e.link.readBlocks);
        const std::size_t writeBytes = 8 * static_cast<std::size_t>(e.link.writeBlocks);
        Rig reader(e, pattern(e.imageSize, 3));
        reader.radio.setPassword(e, "");  // no digits: matches an empty password field
        const MemoryImage original = reader.radio.memory();
        const CloneOutcome read = reader.run(Direction::Read, MemoryImage(e.imageSize, 0xA5));
        ASSERT_EQ(read.result, CloneResult::Completed) << read.message;
        MemoryImage staged(e.imageSize, 0xA5);
        staged.write(0, original.bytes(0, readBytes));
        EXPECT_EQ(read.image, staged);

        const MemoryImage image = pattern(e.imageSize, 200);
        Rig writer(e, pattern(e.imageSize, 11));
        MemoryImage stored = writer.radio.memory();
        const CloneOutcome written = writer.run(Direction::Write, image);
        ASSERT_EQ(written.result, CloneResult::Completed) << written.message;
        EXPECT_FALSE(written.image);
        stored.write(0, image.bytes(0, writeBytes));
        EXPECT_EQ(writer.radio.memory(), stored);
        expectGolden("link", "transcript-" + e.id,
                     "read\n" + hostText(reader.host) + wireText(reader.radio) + "\nwrite\n" + hostText(writer.host)
                         + wireText(writer.radio));

        reader.radio.memory().fill(0, e.imageSize, 0x00);
        ASSERT_EQ(reader.run(Direction::Write, *read.image).result, CloneResult::Completed);
        EXPECT_TRUE(std::ranges::equal(reader.radio.memory().bytes(0, writeBytes), original.bytes(0, writeBytes)));
    }
}

} // namespace
} // namespace tolvan

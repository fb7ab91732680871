// The clone figures of every edition, as the radios need them.

#include "editions/edition.h"

#include <gtest/gtest.h>

namespace tolvan {
namespace {

struct Figures {
    const char* id;
    int readBlocks, writeBlocks, progressMax, readStepBelow, writeStepBelow, readFinal, writeFinal;
    int ackPause, readPasses, afterPasses, writePasses, startAckFail;
    int typeOffset;  // -1: no radio-type check
    bool password;
};

const Figures kFigures[] = {
    {"cps-twotone", 508, 508, 507, 507, 507, 507, 507, 15, 19, 5, 21, 601, 0x81B, false},
    {"cps-ccir", 394, 394, 394, 394, 394, 394, 394, 15, 19, 0, 21, 601, -1, false},
    {"cps-brand", 394, 394, 394, 394, 394, 394, 394, 15, 19, 0, 21, 601, -1, false},
    {"cps-cn2", 394, 394, 394, 394, 394, 393, 393, 15, 199, 0, 201, 601, -1, false},
    {"cps-fleet", 256, 252, 255, 251, 250, 255, 252, 0, 9, 0, 201, 601, 0x7DB, false},
    {"cps-cn10", 256, 252, 255, 251, 250, 255, 252, 15, 199, 5, 201, 601, -1, false},
    {"cps-keys", 128, 123, 123, 123, 122, 123, 123, 15, 199, 20, 201, 601, -1, true},
    {"cps-keys-cn", 128, 123, 123, 123, 122, 123, 123, 15, 199, 20, 201, 601, -1, true},
    {"cps16", 128, 123, 123, 123, 122, 123, 123, 0, 9, 0, 201, 11, -1, false},
    {"cps16-cn", 128, 123, 123, 123, 122, 123, 123, 0, 9, 0, 11, 11, -1, false},
};

TEST(LinkFigures, EveryEditionHasItsRadiosFigures)
{
    ASSERT_EQ(std::size(kFigures), allEditions().size());
    for (const Figures& x : kFigures) {
        SCOPED_TRACE(x.id);
        const Edition* e = findEdition(x.id);
        ASSERT_NE(e, nullptr);
        const LinkFigures& f = e->link;
        EXPECT_EQ(f.readBlocks, x.readBlocks);
        EXPECT_EQ(f.writeBlocks, x.writeBlocks);
        EXPECT_EQ(f.progressMax, x.progressMax);
        EXPECT_EQ(f.readStepBelow, x.readStepBelow);
        EXPECT_EQ(f.writeStepBelow, x.writeStepBelow);
        EXPECT_EQ(f.readFinal, x.readFinal);
        EXPECT_EQ(f.writeFinal, x.writeFinal);
        EXPECT_EQ(f.readAckPauseMs, x.ackPause);
        EXPECT_EQ(f.readPumpPasses, x.readPasses);
        EXPECT_EQ(f.readAfterPassesMs, x.afterPasses);
        EXPECT_EQ(f.writePumpPasses, x.writePasses);
        EXPECT_EQ(f.startAckFailPasses, x.startAckFail);
        EXPECT_EQ(f.typeMismatchPasses, 351);
        EXPECT_EQ(f.typeCheckOffset ? static_cast<int>(*f.typeCheckOffset) : -1, x.typeOffset);
        EXPECT_EQ(f.passwordCheck, x.password);
        // Blocks never run past the image.
        EXPECT_LE(8u * static_cast<unsigned>(f.readBlocks), e->imageSize);
    }
}

} // namespace
} // namespace tolvan

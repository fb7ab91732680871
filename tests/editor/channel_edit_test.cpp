#include "editor/channel_edit.h"

#include <gtest/gtest.h>

using namespace tolvan;

namespace {

struct Dialog {
    Dialog() : edition(*findEdition("cps-twotone")), image(newDocumentImage(edition)), table(edition, Language::English)
    {
        const std::uint8_t rx[] = {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14};
        image.write(edition.recordOffset(3), rx);
        table.loadFromImage(image);
    }
    const Edition& edition;
    MemoryImage image;
    ChannelTable table;
};

} // namespace

TEST(ChannelEdit, OpeningAndBrowsingWriteNothing)
{
    Dialog d;
    const MemoryImage before = d.image;
    ChannelEdit edit(d.image, d.table, 3);
    EXPECT_EQ(edit.signalling(), -1);  // byte 12 = 0: no kind
    EXPECT_FALSE(edit.signallingEnabled());
    // The spin wraps at both ends; half-typed text waits.
    std::vector<int> channels;
    for (int step : {-1, -1, -1, +1}) {
        edit.spinChannel(step);
        channels.push_back(edit.channel());
    }
    EXPECT_EQ(edit.channelText(), "1");
    for (const char* text : {"7", "12x"}) {
        edit.setChannelText(text);
        channels.push_back(edit.channel());
    }
    EXPECT_EQ(channels, (std::vector<int>{2, 1, 128, 1, 7, 7}));
    EXPECT_FALSE(edit.accept());
    edit.setChannelText("3");
    EXPECT_TRUE(edit.accept());
    EXPECT_EQ(d.image, before);
    EXPECT_FALSE(edit.changedImage());
}

TEST(ChannelEdit, ChoosingTwoToneAndItsNumbers)
{
    Dialog d;
    ChannelEdit edit(d.image, d.table, 3);
    edit.chooseSignalling(ChannelEdit::kTwoTone);
    const std::size_t r = d.edition.recordOffset(3);
    EXPECT_EQ(d.image.at(r + 12), 0x08);
    EXPECT_EQ(d.table.cell(3, Column::Signal), "2-Tone");  // shown at once
    EXPECT_TRUE(edit.twoToneShown());
    EXPECT_EQ(edit.callText(), "NO");
    edit.spinCall(+1);
    EXPECT_EQ(edit.callText(), "1");
    edit.spinCall(+1);
    edit.spinDecode(-1);
    EXPECT_EQ(edit.decodeText(), "8");
    ASSERT_TRUE(edit.accept());
    EXPECT_EQ(d.image.at(r + 12), 0x38);  // call and decoder in use
    EXPECT_EQ(d.image.at(r + 14), 0xE1);  // entry 2 -> 1, decoder 8 -> 7
    EXPECT_TRUE(edit.changedImage());

    ChannelEdit again(d.image, d.table, 3);
    EXPECT_EQ(again.callText(), "2");
    EXPECT_EQ(again.decodeText(), "8");
    again.spinDecode(+1);
    EXPECT_EQ(again.decodeText(), "NO");
    ASSERT_TRUE(again.accept());
    EXPECT_EQ(d.image.at(r + 12), 0x18);
    EXPECT_EQ(d.image.at(r + 14), 0xE1);  // the decoder number stays stored
}

TEST(ChannelEdit, SpinsStepThroughNo)
{
    struct Case {
        const char* shown;
        int delta;
        int max;
        const char* next;
    };
    const Case cases[] = {{"32", +1, 32, "NO"}, {"NO", +1, 32, "1"}, {"1", -1, 32, "NO"}, {"NO", -1, 32, "32"},
                          {"40", -1, 32, "32"}, {"5", +1, 8, "6"},   {"8", +1, 8, "NO"},  {"NO", -1, 8, "8"}};
    for (const Case& c : cases)
        EXPECT_EQ(ChannelEdit::stepThroughNo(c.shown, c.delta, c.max), c.next) << c.shown << " " << c.delta;
}

TEST(ChannelEdit, AnotherKindKeepsTheTwoToneBits)
{
    Dialog d;
    const std::size_t r = d.edition.recordOffset(3);
    d.image.set(r + 12, 0x78);
    d.image.set(r + 14, 0x45);
    ChannelEdit edit(d.image, d.table, 3);
    EXPECT_EQ(edit.signalling(), ChannelEdit::kTwoTone);
    EXPECT_EQ(edit.callText(), "6");
    EXPECT_EQ(edit.decodeText(), "3");
    edit.chooseSignalling(1);  // DTMF
    EXPECT_EQ(d.image.at(r + 12), 0x72);
    ASSERT_TRUE(edit.accept());
    EXPECT_EQ(d.image.at(r + 12), 0x72);
    EXPECT_EQ(d.image.at(r + 14), 0x45);
}

// OK with no channel number in the field keeps the dialog open with the
// range message, in the table's language.
TEST(ChannelEdit, AFieldWithoutAChannelNumberIsRefused)
{
    const Edition& edition = *findEdition("cps-twotone");
    MemoryImage image = newDocumentImage(edition);
    const std::pair<Language, const char*> languages[] = {
        {Language::English, "Please enter an integer between 1 and 128."},
        {Language::Chinese, "请输入 1 到 128 之间的整数。"}};
    for (const auto& [language, message] : languages) {
        ChannelTable table(edition, language);
        table.loadFromImage(image);
        for (const char* typed : {"0", "129", "", "x1"}) {
            ChannelEdit edit(image, table, 1);
            edit.setChannelText(typed);
            EXPECT_FALSE(edit.accept()) << typed;
            EXPECT_EQ(edit.rangeMessage(), message);
            edit.setChannelText("128");
            EXPECT_TRUE(edit.accept()) << typed;
            EXPECT_EQ(edit.channel(), 128);
        }
    }
}

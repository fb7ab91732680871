#include "editor/channel_edit.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

using namespace tolvan;

// The dialog as a user works it, opened on channel 3 (145 MHz in use), one
// scenario per line; each step's result is in the golden file: the channel and
// its field, the signalling kind and the two-tone numbers, what OK answered,
// whether it says it edited the image, channel 3's bytes 12 to 14, its "Opt Signal"
// cell and how many bytes of the image changed.
//   open                        the dialog (again) on channel 3
//   spin N, text T              the channel spin and the channel field
//   choose K, call N, decode N  the signalling list and the two-tone spins
//   set B XX                    byte B of channel 3's record, before opening
//   ok                          OK
TEST(ChannelEdit, ScenariosMatchTheGoldenFile)
{
    const std::pair<Language, const char*> scenarios[] = {
        // Opening and browsing write nothing; the spin wraps at both ends; half-typed text waits.
        {Language::English, "open; spin -1; spin -1; spin -1; spin +1; text 7; text 12x; ok; text 3; ok"},
        // Two-tone and its numbers: the kind at once, the numbers on OK; "NO" keeps the number stored.
        {Language::English, "open; choose 3; call +1; call +1; decode -1; ok; open; decode +1; ok"},
        // Another kind keeps the two-tone bits.
        {Language::English, "set 12 78; set 14 45; open; choose 1; ok"},
        // OK without a channel number keeps the dialog open with the range message.
        {Language::English, "open; text 0; ok; text 129; ok; text ; ok; text x1; ok; text 128; ok"},
        {Language::Chinese, "open; text 0; ok; text x1; ok; text 128; ok"},
    };
    const Edition& edition = *findEdition("cps-twotone");
    const std::size_t record = edition.recordOffset(3);
    std::ostringstream out;
    for (const auto& [language, steps] : scenarios) {
        MemoryImage image = newDocumentImage(edition);
        const std::uint8_t rx[] = {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14};
        image.write(record, rx);
        const MemoryImage start = image;
        ChannelTable table(edition, language);
        table.loadFromImage(image);
        std::optional<ChannelEdit> edit;
        out << (language == Language::English ? "en" : "zh") << "\n";
        std::istringstream in(steps);
        for (std::string step; std::getline(in >> std::ws, step, ';');) {
            std::istringstream words(step);
            std::string verb, arg, value;
            words >> verb >> arg >> value;
            out << "  " << step << ":";
            std::string answer;
            if (verb == "open") {
                table.loadFromImage(image);
                edit.emplace(image, table, 3);
            } else if (verb == "set") {
                image.set(record + std::stoul(arg), static_cast<std::uint8_t>(std::stoul(value, nullptr, 16)));
            } else if (verb == "spin") {
                edit->spinChannel(std::stoi(arg));
            } else if (verb == "text") {
                edit->setChannelText(arg);
            } else if (verb == "choose") {
                edit->chooseSignalling(std::stoi(arg));
            } else if (verb == "call") {
                edit->spinCall(std::stoi(arg));
            } else if (verb == "decode") {
                edit->spinDecode(std::stoi(arg));
            } else if (verb == "ok") {
                answer = edit->accept() ? " accepted" : " refused: " + edit->rangeMessage();
            }
            if (edit) {
                out << " channel " << edit->channel() << " [" << edit->channelText() << "] signalling " << edit->signalling();
                if (edit->twoToneShown())
                    out << " call " << edit->callText() << " decode " << edit->decodeText();
                if (edit->changedImage())
                    out << " edited";
            }
            int differing = 0;
            for (std::size_t i = 0; i < image.size(); ++i)
                differing += image.at(i) != start.at(i);
            out << " | " << hexBytes(image.bytes(record + 12, 3)) << " ["
                << table.cell(3, Column::Signal) << "] " << differing << " bytes changed" << answer << "\n";
        }
    }
    expectGolden("editor", "channel_edit", out.str());
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


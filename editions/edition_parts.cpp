#include "editions/edition_parts.h"

#include "editions/family_a_record.h"

#include <algorithm>

namespace tolvan::edition_parts {

std::vector<std::string> headersFor(const std::vector<Column>& columns, const std::vector<Column>& fullColumns,
                                    const std::vector<std::string>& fullHeaders)
{
    std::vector<std::string> out;
    for (Column c : columns) {
        const auto it = std::find(fullColumns.begin(), fullColumns.end(), c);
        out.push_back(fullHeaders.at(static_cast<std::size_t>(it - fullColumns.begin())));
    }
    return out;
}

EditionTexts withColumns(EditionTexts t, const std::vector<Column>& columns)
{
    t.headers = headersFor(columns, kTwoToneColumns, t.headers);
    return t;
}

ChannelFields familyANewChannel(int dtmfIndex)
{
    return {.signalling = dtmfIndex, .busy = family_a::kBusyClose, .pttId = true, .wide = true, .scan = true,
            .highPower = true};
}

std::vector<BytePatch> familyASettings(std::uint8_t type, std::uint8_t byte81A, std::uint8_t byte81B)
{
    return {
        {0x80A, {0xF0, type}},
        {0x810, {0xC0, 0xA8, 0xC4, 0x05, 0x00, 0x00, 0x03, 0x04, 0x00, 0x09, byte81A, byte81B}},
        {0x81D, {0x00}},
    };
}

std::vector<FormList> familyAForm(const FormOffsets& at)
{
    using Coding = FormList::Coding;
    FormList type{.label = "Type", .englishItems = {"TL - 512", "TL - 516", "TL - 590"},
                  .offset = at.type, .base = 0x38, .readableCount = 3, .belowBase = -1, .aboveRange = 0,
                  .initialIndex = 0, .typingReset = 0};
    FormList field{.label = "Field", .englishItems = kFieldItems, .offset = at.field,
                   .base = 0xEE, .readableCount = 10, .belowBase = 0, .aboveRange = 0, .initialIndex = 2,
                   .typingReset = 2};
    FormList power{.label = "Tx Power Rank", .englishItems = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, .offset = at.powerRank,
                   .base = 0, .readableCount = 10, .aboveRange = at.powerAboveRange, .initialIndex = 9,
                   .typingReset = 9};
    FormList manual{.label = "Manul Setting", .englishItems = {"Open", "Close"},
                    .chineseItems = {"开启", "关闭"}, .offset = at.manual, .coding = Coding::Bit, .bit = 7};
    return {type, field, power, manual};
}

FormList smallRadioField(int bands, std::vector<std::string> items, std::vector<std::string> chinese)
{
    return {.label = "Field", .englishItems = std::move(items), .chineseItems = std::move(chinese), .offset = 0x3D2,
            .base = 238, .readableCount = bands, .belowBase = 0, .aboveRange = 0, .initialIndex = 7};
}

FormList smallRadioType(std::vector<std::string> items)
{
    return {.label = "Type", .englishItems = std::move(items), .offset = 0x3D3, .base = 55, .readableCount = 11,
            .belowBase = -1, .aboveRange = 0, .initialIndex = 0};
}

std::vector<std::string> numbered(int from, int to)
{
    std::vector<std::string> items;
    for (int n = from; n <= to; ++n)
        items.push_back(std::to_string(n));
    return items;
}

std::vector<std::string> timeOutItems(const std::string& off)
{
    std::vector<std::string> items{off};
    for (int n = 1; n <= 10; ++n)
        items.push_back(std::to_string(30 * n) + "s");
    return items;
}

} // namespace tolvan::edition_parts

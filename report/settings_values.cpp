#include "report/settings_values.h"

#include "dialogs/settings_fields.h"

#include <algorithm>
#include <cstdio>

namespace tolvan {
namespace {

constexpr std::size_t kCodeBytes = 16;

std::string numberText(const NumberRule& rule, int stored, Language language)
{
    const int value = std::min(stored / std::max(1, rule.divisor), rule.ceiling);
    if (value == 0 && rule.zero)
        return rule.zero->in(language);
    if (value < rule.low || value > rule.high)
        return rule.outside.in(language);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%*d", rule.width, value * rule.multiplier);
    return buffer;
}

} // namespace

std::string codeText(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (std::uint8_t b : bytes)
        if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'D'))
            text += static_cast<char>(b);
    return text;
}

std::string settingsValueText(const ReportItem& item, const MemoryImage& image, const FormListTexts& lists,
                              Language language)
{
    switch (item.source) {
    case ReportSource::Label:
        return {};
    case ReportSource::TypeList:
        return lists.type;
    case ReportSource::FieldList:
        return lists.field;
    case ReportSource::TxPowerRankList:
        return lists.txPowerRank;
    case ReportSource::FormList:
        return lists.of(item.list);
    case ReportSource::ByteChoice: {
        const std::uint8_t value = image.at(item.offset) & item.mask;
        for (const auto& [key, text] : item.choices)
            if (key == value)
                return text.in(language);
        return item.otherwise.in(language);
    }
    case ReportSource::ByteNumber:
        return numberText(item.number, image.at(item.offset), language);
    case ReportSource::Code:
        return codeText(image.bytes(item.offset, kCodeBytes));
    case ReportSource::IdDigits:
        return id_code::readDigits(image, item.offset);
    case ReportSource::IdText:
        return id_code::readText(image, item.offset);
    }
    return {};
}

} // namespace tolvan

#include "link/image_regions.h"

#include "codeplug/text_util.h"

#include <algorithm>
#include <cstdio>

namespace tolvan {
namespace {

// The form lists that the printed settings block also names, by the source
// that prints them; the report's label is then the name in both languages.
const ReportItem* reportItemFor(const Edition& edition, const FormList& list)
{
    for (const auto& line : edition.report.settingsLines)
        for (const ReportItem& item : line)
            if (item.source == ReportSource::FormList && item.list == list.label)
                return &item;
    const std::pair<const char*, ReportSource> printed[] = {
        {"Type", ReportSource::TypeList}, {"Field", ReportSource::FieldList},
        {"Tx Power Rank", ReportSource::TxPowerRankList}};
    for (const auto& [label, source] : printed) {
        if (list.label != label)
            continue;
        for (const auto& line : edition.report.settingsLines)
            for (const ReportItem& item : line)
                if (item.source == source)
                    return &item;
    }
    return nullptr;
}

void addSetting(std::vector<NamedSetting>& out, std::string name, NamedSetting::Bits bits, const FormList* list,
                const ReportItem* item)
{
    if (name.empty())
        return;
    for (NamedSetting& s : out) {
        const bool same = std::any_of(s.bits.begin(), s.bits.end(), [&](const NamedSetting::Bits& b) {
            return b.offset == bits.offset && b.mask == bits.mask;
        });
        if (s.name == name || same) {
            if (!same)
                s.bits.push_back(bits);
            return;
        }
    }
    out.push_back({std::move(name), {bits}, list, item});
}

} // namespace

std::string settingName(std::string_view label)
{
    std::string name = trim(label);
    for (std::string_view colon : {":", "\xEF\xBC\x9A"}) {  // ":" and the full-width "："
        if (name.size() >= colon.size() && name.ends_with(colon)) {
            name.resize(name.size() - colon.size());
            break;
        }
    }
    return trim(name);
}

std::string addressText(std::size_t offset)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%04zX", offset);
    return text;
}

std::vector<NamedSetting> namedSettings(const Edition& edition, Language language)
{
    const Language ui = edition.uiLanguage(language);
    std::vector<NamedSetting> out;
    for (const FormList& list : edition.formLists) {
        const ReportItem* printed = reportItemFor(edition, list);
        const std::string name = printed ? settingName(printed->label.in(ui)) : list.label;
        const auto mask = list.coding == FormList::Coding::Bit ? static_cast<std::uint8_t>(1u << list.bit)
                                                               : std::uint8_t{0xFF};
        addSetting(out, name, {list.offset, mask}, &list, nullptr);
    }
    for (const auto& line : edition.report.settingsLines) {
        for (const ReportItem& item : line) {
            const std::string name = settingName(item.label.in(ui));
            switch (item.source) {
            case ReportSource::ByteChoice:
            case ReportSource::ByteNumber:
                addSetting(out, name, {item.offset, item.mask}, nullptr, &item);
                break;
            case ReportSource::Code:
                for (std::size_t i = 0; i < 16; ++i)
                    addSetting(out, name, {item.offset + i, 0xFF}, nullptr, &item);
                break;
            case ReportSource::Label:
            case ReportSource::FormList:
            case ReportSource::TypeList:
            case ReportSource::FieldList:
            case ReportSource::TxPowerRankList:
                break;
            }
        }
    }
    return out;
}

int channelAt(const Edition& edition, std::size_t offset)
{
    const std::size_t records = edition.recordOffset(1);
    if (offset >= records && offset < records + 16 * static_cast<std::size_t>(edition.channelCount))
        return static_cast<int>((offset - records) / 16) + 1;
    if (edition.nameBase && offset >= *edition.nameBase
        && offset < *edition.nameBase + 8 * static_cast<std::size_t>(edition.channelCount))
        return static_cast<int>((offset - *edition.nameBase) / 8) + 1;
    return 0;
}

ImageDifference differenceOf(const Edition& edition, const std::vector<NamedSetting>& settings,
                             const MemoryImage& a, const MemoryImage& b, std::size_t end)
{
    ImageDifference d;
    end = std::min({end, a.size(), b.size()});
    std::vector<bool> settingDiffers(settings.size(), false);
    for (std::size_t offset = 0; offset < end; ++offset) {
        const auto changed = static_cast<std::uint8_t>(a.at(offset) ^ b.at(offset));
        if (changed == 0)
            continue;
        const int channel = channelAt(edition, offset);
        if (channel && std::find(d.channels.begin(), d.channels.end(), channel) == d.channels.end())
            d.channels.push_back(channel);
        std::uint8_t covered = 0;
        for (std::size_t i = 0; i < settings.size(); ++i) {
            for (const NamedSetting::Bits& bits : settings[i].bits) {
                if (bits.offset != offset)
                    continue;
                covered |= bits.mask;
                if ((bits.mask & changed) != 0)
                    settingDiffers[i] = true;
            }
        }
        // Bits no setting names (an unused bit of a flag byte) are shown by address.
        if (!channel && (changed & ~covered) != 0)
            d.otherBytes.push_back(offset);
    }
    std::sort(d.channels.begin(), d.channels.end());
    for (std::size_t i = 0; i < settings.size(); ++i)
        if (settingDiffers[i])
            d.settings.push_back(&settings[i]);
    return d;
}

} // namespace tolvan

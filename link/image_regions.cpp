#include "link/image_regions.h"

#include "codeplug/text_util.h"

#include <algorithm>
#include <cstring>

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
    // "0x%04zX" by hand: a comparison of two unlike images prints thousands.
    static constexpr char kHex[] = "0123456789ABCDEF";
    char text[2 + 2 * sizeof offset];
    char* p = text + sizeof text;
    int digits = 0;
    do {
        *--p = kHex[offset & 0xF];
        offset >>= 4;
    } while (++digits < 4 || offset != 0);
    *--p = 'x';
    *--p = '0';
    return std::string(p, text + sizeof text);
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
        // A list written into several places (one band width for every
        // record) holds each of them, though it reads only the first.
        for (int i = 0; i < std::max(list.repeat, 1); ++i)
            addSetting(out, name, {list.offset + static_cast<std::size_t>(i) * list.stride, mask}, &list, nullptr);
    }
    for (const auto& line : edition.report.settingsLines) {
        for (const ReportItem& item : line) {
            const std::string name = settingName(item.label.in(ui));
            // A one-byte item names the bits it reads; a code all of its bytes.
            const std::size_t bytes = item.byteCount();
            for (std::size_t i = 0; i < bytes; ++i)
                addSetting(out, name, {item.offset + i, bytes == 1 ? item.mask : std::uint8_t{0xFF}}, nullptr, &item);
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
    // The settings' bits by address, so a differing byte finds its settings
    // without walking them all (two unlike images differ in nearly every byte).
    struct Owner {
        std::size_t offset;
        std::size_t setting;
        std::uint8_t mask;
    };
    std::vector<Owner> owners;
    std::size_t ownerCount = 0;
    for (const NamedSetting& setting : settings)
        ownerCount += setting.bits.size();
    owners.reserve(ownerCount);
    for (std::size_t i = 0; i < settings.size(); ++i)
        for (const NamedSetting::Bits& bits : settings[i].bits)
            owners.push_back({bits.offset, i, bits.mask});
    std::sort(owners.begin(), owners.end(), [](const Owner& x, const Owner& y) { return x.offset < y.offset; });
    std::vector<bool> channelDiffers(static_cast<std::size_t>(std::max(edition.channelCount, 0)) + 1, false);
    auto owner = owners.begin();
    // `end` is within both images: the bytes are read without a check each.
    const std::uint8_t* bytesA = a.raw().data();
    const std::uint8_t* bytesB = b.raw().data();
    for (std::size_t offset = 0; offset < end; ++offset) {
        // Alike stretches are passed eight bytes at a time: most of two close
        // images, and all of an image compared with itself, is alike.
        if (offset % 8 == 0 && end - offset >= 8) {
            std::uint64_t wordA = 0, wordB = 0;
            std::memcpy(&wordA, bytesA + offset, 8);
            std::memcpy(&wordB, bytesB + offset, 8);
            if (wordA == wordB) {
                offset += 7;
                continue;
            }
        }
        const auto changed = static_cast<std::uint8_t>(bytesA[offset] ^ bytesB[offset]);
        if (changed == 0)
            continue;
        const int channel = channelAt(edition, offset);
        if (channel)
            channelDiffers[static_cast<std::size_t>(channel)] = true;
        std::uint8_t covered = 0;
        // Offsets only grow, so the owners are walked once.
        while (owner != owners.end() && owner->offset < offset)
            ++owner;
        for (auto o = owner; o != owners.end() && o->offset == offset; ++o) {
            covered |= o->mask;
            if ((o->mask & changed) != 0)
                settingDiffers[o->setting] = true;
        }
        // Bits no setting names (an unused bit of a flag byte) are shown by address.
        if (!channel && (changed & ~covered) != 0)
            d.otherBytes.push_back(offset);
    }
    for (std::size_t n = 1; n < channelDiffers.size(); ++n)
        if (channelDiffers[n])
            d.channels.push_back(static_cast<int>(n));
    for (std::size_t i = 0; i < settings.size(); ++i)
        if (settingDiffers[i])
            d.settings.push_back(&settings[i]);
    return d;
}

} // namespace tolvan

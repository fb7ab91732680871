#include "dialogs/settings_lists.h"

#include <algorithm>

namespace tolvan {

const std::string& SettingsLists::label(int i, Language language) const
{
    const SettingsList& l = list(i);
    return language == Language::Chinese && !l.chineseLabel.empty() ? l.chineseLabel : l.englishLabel;
}

const std::vector<std::string>& SettingsLists::items(int i, Language language) const
{
    const SettingsList& l = list(i);
    return language == Language::Chinese && !l.chineseItems.empty() ? l.chineseItems : l.englishItems;
}

int SettingsLists::readList(const SettingsList& l, std::uint8_t byte) const
{
    const int items = static_cast<int>(l.englishItems.size());
    switch (l.coding) {
    case SettingsList::Coding::Index:
        return byte < items ? byte : l.beyondList;
    case SettingsList::Coding::Scaled:
        return std::min(byte / std::max(l.scale, 1), items - 1);
    case SettingsList::Coding::Bits: {
        const auto found = std::find(l.codes.begin(), l.codes.end(), byte & l.mask);
        return found == l.codes.end() ? -1 : static_cast<int>(found - l.codes.begin());
    }
    }
    return -1;
}

std::vector<int> SettingsLists::read(const MemoryImage& image) const
{
    std::vector<int> selections;
    for (const SettingsList& l : layout_.lists)
        selections.push_back(readList(l, image.at(l.offset)));
    return selections;
}

void SettingsLists::write(const std::vector<int>& selections, MemoryImage& image) const
{
    for (int i : layout_.writeOrder) {
        const SettingsList& l = list(i);
        const int index = selections.at(static_cast<std::size_t>(i));
        if (index < 0 || index >= static_cast<int>(l.englishItems.size()))
            continue;  // no selection: the byte keeps what it holds
        switch (l.coding) {
        case SettingsList::Coding::Index:
            image.set(l.offset, static_cast<std::uint8_t>(index));
            break;
        case SettingsList::Coding::Scaled:
            image.set(l.offset, static_cast<std::uint8_t>(index * l.scale));
            break;
        case SettingsList::Coding::Bits: {
            const auto kept = static_cast<std::uint8_t>(image.at(l.offset) & ~l.mask);
            image.set(l.offset, static_cast<std::uint8_t>(kept | (l.codes.at(static_cast<std::size_t>(index)) & l.mask)));
            break;
        }
        }
    }
}

int SettingsLists::typed(int i, int current) const
{
    return list(i).typingReset >= 0 ? list(i).typingReset : current;
}

} // namespace tolvan

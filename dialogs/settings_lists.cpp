#include "dialogs/settings_lists.h"

namespace tolvan {

const std::string& SettingsLists::label(int i, Language language) const
{
    const FormList& l = list(i);
    return language == Language::Chinese && !l.chineseLabel.empty() ? l.chineseLabel : l.label;
}

const std::vector<std::string>& SettingsLists::items(int i, Language language) const
{
    return list(i).items(language);
}

std::vector<int> SettingsLists::read(const MemoryImage& image) const
{
    // A pattern none of a list's codes has shows no selection.
    std::vector<int> selections;
    for (const FormList& l : layout_.lists)
        selections.push_back(readChoice(l, image, -1));
    return selections;
}

void SettingsLists::write(const std::vector<int>& selections, MemoryImage& image) const
{
    for (int i : storeOrder(layout_.lists))
        writeChoice(list(i), selections.at(static_cast<std::size_t>(i)), image);
}

int SettingsLists::typed(int i, int current) const
{
    return list(i).typingReset >= 0 ? list(i).typingReset : current;
}

} // namespace tolvan

#include "dialogs/key_assignment.h"

namespace tolvan {

std::vector<SideButtonChoice> KeyAssignment::read(const MemoryImage& image) const
{
    const auto shown = [this](int code) { return code < layout_.functions ? code : -1; };
    std::vector<SideButtonChoice> choices;
    for (std::size_t offset : layout_.buttons) {
        const std::uint8_t b = image.at(offset);
        choices.push_back({shown(b >> 4), shown(b & 0x0F)});
    }
    return choices;
}

void KeyAssignment::write(const std::vector<SideButtonChoice>& choices, MemoryImage& image) const
{
    const auto valid = [this](int index) { return index >= 0 && index < layout_.functions && index < 16; };
    for (std::size_t i = 0; i < layout_.buttons.size() && i < choices.size(); ++i) {
        const std::size_t offset = layout_.buttons[i];
        int high = image.at(offset) >> 4;
        int low = image.at(offset) & 0x0F;
        if (valid(choices[i].shortPress))
            high = choices[i].shortPress;
        if (valid(choices[i].longPress))
            low = choices[i].longPress;
        image.set(offset, static_cast<std::uint8_t>(16 * high + low));
    }
}

} // namespace tolvan

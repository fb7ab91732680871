#include "editor/form_settings.h"

#include "codeplug/data_password.h"
#include "codeplug/text_util.h"

#include <algorithm>
#include <numeric>

namespace tolvan {

FormSettings::FormSettings(const Edition& edition) : edition_(&edition)
{
    for (const FormList& l : edition.formLists)
        selections_.push_back(l.initialIndex);
}

void FormSettings::typed(int i)
{
    if (list(i).typingReset >= 0)
        select(i, list(i).typingReset);
}

void FormSettings::finishTyping(int i, std::string_view text, Language language)
{
    const std::vector<std::string>& items = list(i).items(language);
    const auto named = std::find_if(items.begin(), items.end(),
                                    [text](const std::string& item) { return equalsIgnoringCase(item, text); });
    if (named != items.end())
        select(i, static_cast<int>(named - items.begin()));
}

void FormSettings::loadFromImage(const MemoryImage& image)
{
    for (int i = 0; i < count(); ++i) {
        const FormList& l = list(i);
        const int value = image.at(l.offset);
        switch (l.coding) {
        case FormList::Coding::Bit:
            select(i, image.bit(l.offset, l.bit) ? l.setIndex : 1 - l.setIndex);
            break;
        case FormList::Coding::Code: {
            // A byte that is none of the codes leaves the list as it was.
            const auto it = std::find(l.codes.begin(), l.codes.end(), value);
            if (it != l.codes.end())
                select(i, static_cast<int>(it - l.codes.begin()));
            break;
        }
        case FormList::Coding::Value:
            if (value < l.base)
                select(i, l.belowBase);
            else if ((value - l.base) / l.scale >= l.readableCount)
                select(i, l.aboveRange);
            else
                select(i, (value - l.base) / l.scale);
            break;
        }
    }
    if (hasPassword())
        password_ = readDataPassword(image, *edition_->passwordOffset);
}

void FormSettings::storeToImage(MemoryImage& image) const
{
    std::vector<int> order(static_cast<std::size_t>(count()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return list(a).storeRank < list(b).storeRank; });
    for (int i : order) {
        const FormList& l = list(i);
        const int index = selection(i);
        for (int n = 0; n < l.repeat; ++n) {
            const std::size_t at = l.offset + static_cast<std::size_t>(n) * l.stride;
            switch (l.coding) {
            case FormList::Coding::Bit:
                image.setBit(at, l.bit, index == l.setIndex);
                break;
            case FormList::Coding::Code:
                if (index >= 0 && index < static_cast<int>(l.codes.size()))
                    image.set(at, l.codes[static_cast<std::size_t>(index)]);
                break;
            case FormList::Coding::Value:  // no selection is index -1: "Type" then stores 0x37
                image.set(at, static_cast<std::uint8_t>(l.base + index * l.scale));
                break;
            }
        }
    }
    for (const FormStamp& s : edition_->formStamps)
        image.set(s.offset, s.value);
    if (hasPassword())
        writeDataPassword(image, *edition_->passwordOffset, password_);
}

} // namespace tolvan

#include "editions/form_list.h"

#include <algorithm>
#include <numeric>

namespace tolvan {

int readChoice(const FormList& l, const MemoryImage& image, int current)
{
    const int value = image.at(l.offset);
    switch (l.coding) {
    case FormList::Coding::Bit:
        return image.bit(l.offset, l.bit) ? l.setIndex : 1 - l.setIndex;
    case FormList::Coding::Code: {
        const auto it = std::find(l.codes.begin(), l.codes.end(), value & l.mask);
        return it == l.codes.end() ? current : static_cast<int>(it - l.codes.begin());
    }
    case FormList::Coding::Value:
        if (value < l.base)
            return l.belowBase;
        if ((value - l.base) / l.scale >= l.readableCount)
            return l.aboveRange;
        return (value - l.base) / l.scale;
    }
    return current;
}

void writeChoice(const FormList& l, int index, MemoryImage& image)
{
    const bool listed = index >= 0 && index < static_cast<int>(l.englishItems.size());
    for (int n = 0; n < l.repeat; ++n) {
        const std::size_t at = l.offset + static_cast<std::size_t>(n) * l.stride;
        switch (l.coding) {
        case FormList::Coding::Bit:
            image.setBit(at, l.bit, index == l.setIndex);
            break;
        case FormList::Coding::Code:
            if (index >= 0 && index < static_cast<int>(l.codes.size())) {
                const auto kept = static_cast<std::uint8_t>(image.at(at) & ~l.mask);
                image.set(at, static_cast<std::uint8_t>(kept | (l.codes[static_cast<std::size_t>(index)] & l.mask)));
            }
            break;
        case FormList::Coding::Value:
            if (listed || !l.keepsWithoutChoice)
                image.set(at, static_cast<std::uint8_t>(l.base + index * l.scale));
            break;
        }
    }
}

std::vector<int> storeOrder(const std::vector<FormList>& lists)
{
    std::vector<int> order(lists.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return lists[static_cast<std::size_t>(a)].storeRank < lists[static_cast<std::size_t>(b)].storeRank;
    });
    return order;
}

} // namespace tolvan

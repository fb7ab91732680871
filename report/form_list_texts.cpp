#include "report/form_list_texts.h"

namespace tolvan {
namespace {

std::string listText(const FormListReading& list, const MemoryImage& image)
{
    if (list.items.empty())
        return {};
    const int value = image.at(list.offset);
    int index = value - list.base;
    if (index < 0 && list.noneBelowBase)
        return {};
    if (index < 0 || index >= list.accepted)
        index = list.fallback;
    return index < static_cast<int>(list.items.size()) ? list.items[static_cast<std::size_t>(index)] : std::string();
}

} // namespace

FormListTexts formListTextsFromImage(const Edition& edition, const MemoryImage& image)
{
    const FormListReadings& lists = edition.report.formLists;
    return {listText(lists.type, image), listText(lists.field, image), listText(lists.txPowerRank, image)};
}

} // namespace tolvan

#include "report/form_list_texts.h"

#include <array>

namespace tolvan {
namespace {

// The items of the family-A form lists, in list order.
const std::array<const char*, 3> kTypeItems = {"TL - 512", "TL - 516", "TL - 590"};
const std::array<const char*, 10> kFieldItems = {"  67 - 72MHz", "136 - 174MHz", "240 - 260MHz", "350 - 390MHz",
                                                 "400 - 430MHz", "430 - 450MHz", "450 - 470MHz", "470 - 490MHz",
                                                 "400 - 470MHz", "460 - 520MHz"};

} // namespace

FormListTexts formListTextsFromImage(const Edition& edition, const MemoryImage& image)
{
    const FormListBytes& at = edition.report.formLists;
    if (edition.report.pages.empty())
        return {};
    FormListTexts texts;

    // Below 0x38 the list has no selection and shows nothing.
    const std::uint8_t type = image.at(at.type);
    if (type >= 0x38)
        texts.type = kTypeItems[type < 0x38 + kTypeItems.size() ? type - 0x38u : 0];

    const std::uint8_t field = image.at(at.field);
    texts.field = kFieldItems[field >= 0xEE && field < 0xEE + kFieldItems.size() ? field - 0xEEu : 0];

    const std::uint8_t rank = image.at(at.txPowerRank);
    texts.txPowerRank = std::to_string(rank < 10 ? rank : (at.powerRankClampsToTop ? 9 : 0));
    return texts;
}

} // namespace tolvan

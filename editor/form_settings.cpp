#include "editor/form_settings.h"

#include "codeplug/data_password.h"
#include "codeplug/text_util.h"

#include <algorithm>

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
    for (int i = 0; i < count(); ++i)
        select(i, readChoice(list(i), image, selection(i)));
    if (hasPassword())
        password_ = readDataPassword(image, *edition_->passwordOffset);
}

void FormSettings::storeToImage(MemoryImage& image) const
{
    for (int i : storeOrder(edition_->formLists))
        writeChoice(list(i), selection(i), image);
    for (const FormStamp& s : edition_->formStamps)
        image.set(s.offset, s.value);
    if (hasPassword())
        writeDataPassword(image, *edition_->passwordOffset, password_);
}

} // namespace tolvan

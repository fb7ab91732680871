#include "editor/form_settings.h"

#include "codeplug/data_password.h"

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

void FormSettings::loadFromImage(const MemoryImage& image)
{
    for (int i = 0; i < count(); ++i) {
        const FormList& l = list(i);
        const int value = image.at(l.offset);
        if (l.coding == FormList::Coding::Bit)
            select(i, image.bit(l.offset, l.bit) ? 0 : 1);
        else if (value < l.base)
            select(i, l.belowBase);
        else if (value >= l.base + l.readableCount)
            select(i, l.aboveRange);
        else
            select(i, value - l.base);
    }
    if (hasPassword())
        password_ = readDataPassword(image, *edition_->passwordOffset);
}

void FormSettings::storeToImage(MemoryImage& image) const
{
    for (int i = 0; i < count(); ++i) {
        const FormList& l = list(i);
        if (l.coding == FormList::Coding::Bit)
            image.setBit(l.offset, l.bit, selection(i) == 0);
        else  // no selection is index -1: "Type" then stores 0x37
            image.set(l.offset, static_cast<std::uint8_t>(l.base + selection(i)));
    }
    for (const FormStamp& s : edition_->formStamps)
        image.set(s.offset, s.value);
    if (hasPassword())
        writeDataPassword(image, *edition_->passwordOffset, password_);
}

} // namespace tolvan

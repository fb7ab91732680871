#include "report/form_list_texts.h"

#include "editor/form_settings.h"

namespace tolvan {

FormListTexts formListTexts(const FormSettings& form, Language language)
{
    FormListTexts texts;
    const Language shown = form.edition().uiLanguage(language);
    for (int i = 0; i < form.count(); ++i) {
        const auto& items = form.list(i).items(shown);
        const int index = form.selection(i);
        const std::string text = index >= 0 && index < static_cast<int>(items.size())
                                     ? items[static_cast<std::size_t>(index)]
                                     : std::string();
        const std::string& label = form.list(i).label;
        texts.byLabel.emplace_back(label, text);
        if (label == "Type")
            texts.type = text;
        else if (label == "Field")
            texts.field = text;
        else if (label == "Tx Power Rank")
            texts.txPowerRank = text;
    }
    return texts;
}

std::string FormListTexts::of(std::string_view label) const
{
    for (const auto& [l, text] : byLabel)
        if (l == label)
            return text;
    return {};
}

FormListTexts formListTextsFromImage(const Edition& edition, Language language, const MemoryImage& image)
{
    FormSettings form(edition);
    form.loadFromImage(image);
    return formListTexts(form, language);
}

} // namespace tolvan

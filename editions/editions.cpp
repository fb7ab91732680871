// The ten deliverables as data. Every difference between them that is not a
// family's own logic is a value in the edition files (one per family); code
// asks the edition, never its name.

#include "editions/edition.h"
#include "editions/edition_parts.h"

#include <algorithm>

namespace tolvan {

WindowSize WindowSize::fittedTo(int availableWidth, int availableHeight) const
{
    if (availableWidth <= 0 || availableHeight <= 0 || (width <= availableWidth && height <= availableHeight))
        return *this;
    // The side that overflows most decides the scale; 64 bits keep the products exact.
    const std::int64_t w = width, h = height;
    if (w * availableHeight >= h * availableWidth)
        return {availableWidth, static_cast<int>(h * availableWidth / w)};
    return {static_cast<int>(w * availableHeight / h), availableHeight};
}

Language Edition::uiLanguage(Language decided) const
{
    switch (languages) {
    case LanguageChoice::AtStartUp:
        return decided;
    case LanguageChoice::EnglishOnly:
        return Language::English;
    case LanguageChoice::ChineseOnly:
        return Language::Chinese;
    }
    return decided;
}

const EditionTexts& Edition::texts(Language decided) const
{
    return uiLanguage(decided) == Language::English ? english : chinese;
}

const std::vector<const Edition*>& allEditions()
{
    using namespace edition_parts;
    static const std::vector<Edition> editions = {twoTone(), ccir(),  brand(), fleet(),   cn2(),
                                                  cn10(),    keys(),  keysChinese(), sixteen(), sixteenChinese()};
    static const std::vector<const Edition*> pointers = [] {
        std::vector<const Edition*> p;
        for (const Edition& e : editions)
            p.push_back(&e);
        return p;
    }();
    return pointers;
}

const Edition* findEdition(std::string_view id)
{
    for (const Edition* e : allEditions())
        if (e->id == id)
            return e;
    return nullptr;
}

MemoryImage newDocumentImage(const Edition& edition)
{
    MemoryImage image(edition.imageSize);
    for (const BytePatch& patch : edition.newDocument)
        for (int k = 0; k < patch.repeat; ++k)
            image.write(patch.offset + static_cast<std::size_t>(k) * patch.stride, patch.bytes);
    return image;
}

} // namespace tolvan

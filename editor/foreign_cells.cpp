#include "editor/foreign_cells.h"

#include "codeplug/text_util.h"

#include <algorithm>

namespace tolvan {
namespace {

bool holds(const std::vector<std::string>& words, const std::string& text)
{
    return std::find(words.begin(), words.end(), text) != words.end();
}

int indexIn(const std::vector<std::string>& words, const std::string& text)
{
    const auto it = std::find(words.begin(), words.end(), text);
    return it == words.end() ? -1 : static_cast<int>(it - words.begin());
}

// An edition's words in `language`. A program of one language keeps only its
// own; its twin in the other language (same radio: family, image, columns,
// signalling bytes) lends the other's.
const EditionTexts& textsIn(const Edition& e, Language language)
{
    const auto of = [language](const Edition& x) -> const EditionTexts& {
        return language == Language::English ? x.english : x.chinese;
    };
    if (!of(e).headers.empty())
        return of(e);
    for (const Edition* twin : allEditions())
        if (twin->family == e.family && twin->imageSize == e.imageSize && twin->columns == e.columns
            && twin->signallingValues == e.signallingValues && !of(*twin).headers.empty())
            return of(*twin);
    return language == Language::English ? e.chinese : e.english;
}

// The items of a column's choices: the signalling list or a word list.
const std::vector<std::string>& choices(const EditionTexts& t, Column column)
{
    return column == Column::Signal ? t.signalling : wordListOf(t, column)->items;
}

// Where a word of any program's choices for `column` is: the program and the
// index of the choice. The choices' English words name what they mean.
struct Choice {
    const Edition* edition = nullptr;
    int index = -1;
    const WordList* list = nullptr;  // the word list it was found in, for yes/no columns
};
std::optional<Choice> choiceOfAnyProgram(Column column, const std::string& text)
{
    for (const Edition* e : allEditions())
        for (Language l : {Language::English, Language::Chinese}) {
            const EditionTexts& t = textsIn(*e, l);
            if (const int i = indexIn(choices(t, column), text); i >= 0)
                return Choice{e, i, column == Column::Signal ? nullptr : wordListOf(t, column)};
        }
    return std::nullopt;
}

std::string englishChoice(const Edition& e, Column column, int index)
{
    const auto& items = choices(textsIn(e, Language::English), column);
    return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)] : std::string();
}

} // namespace

std::optional<HeaderOwner> headerOfAnyProgram(std::string_view header, const Edition* preferred)
{
    const std::string wanted = trim(header);
    std::vector<const Edition*> order = allEditions();
    if (preferred)
        order.insert(order.begin(), preferred);
    for (const Edition* e : order)
        for (const EditionTexts* t : {&e->english, &e->chinese})
            for (std::size_t col = 0; col < t->headers.size() && col < e->columns.size(); ++col)
                if (trim(t->headers[col]) == wanted)
                    return HeaderOwner{e, col};
    return std::nullopt;
}

const Edition* likelyAuthor(const std::vector<std::string>& headerLine)
{
    const Edition* best = nullptr;
    std::size_t most = 0;
    for (const Edition* e : allEditions())
        for (const EditionTexts* t : {&e->english, &e->chinese}) {
            std::size_t held = 0;
            for (const std::string& field : headerLine)
                held += std::count_if(t->headers.begin(), t->headers.end(),
                                      [&](const std::string& h) { return trim(h) == trim(field); }) > 0;
            if (held > most) {
                most = held;
                best = e;
            }
        }
    return best;
}

std::string headerIn(const HeaderOwner& owner, Language language)
{
    return trim(textsIn(*owner.edition, language).headers.at(owner.col));
}

CarriedCell carriedCell(Column column, const std::string& text, const ChannelTable& target)
{
    const Edition& e = target.edition();
    if (text.empty() || (column != Column::Signal && !wordListOf(target.texts(), column))
        || (column == Column::Signal && target.texts().signalling.empty()))
        return {text};
    const std::vector<std::string>& own = choices(target.texts(), column);
    // The target's own words, of the languages it reads itself.
    if (holds(choices(e.english, column), text) || holds(choices(e.chinese, column), text))
        return {text};
    const auto found = choiceOfAnyProgram(column, text);
    if (!found)
        return {text};
    if (column == Column::Signal) {
        const std::string name = englishChoice(*found->edition, column, found->index);
        const int i = indexIn(choices(textsIn(e, Language::English), column), name);
        if (i >= 0 && i < static_cast<int>(own.size()))
            return {own[static_cast<std::size_t>(i)]};
        return {name == "None" ? std::string() : text};
    }
    if (column == Column::Busy) {
        // Busy words name a kind of lock, and the two kinds of radio lock on
        // different things: carried only between radios of one kind.
        if (choices(textsIn(*found->edition, Language::English), column) != choices(textsIn(e, Language::English), column))
            return {text, true};
        return {own.at(static_cast<std::size_t>(found->index))};
    }
    return {wordListOf(target.texts(), column)->word(text == found->list->word(true))};
}

} // namespace tolvan

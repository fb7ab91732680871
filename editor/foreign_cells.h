#pragma once

#include "editor/channel_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

// The channel tables of the ten programs share their meanings (a receive
// frequency, a tone, a power level) but not their headers, words or choices.
// These rules read a table written by any of them in the words of another.

// A header of any program's table, in either language (blanks around it do not
// count): the first edition showing it and its column there.
struct HeaderOwner {
    const Edition* edition = nullptr;
    std::size_t col = 0;
    Column meaning() const { return edition->columns.at(col); }
};
// `preferred` (the likely author of the list) is asked first, so that a
// column is named in its author's words.
std::optional<HeaderOwner> headerOfAnyProgram(std::string_view header, const Edition* preferred = nullptr);

// The program whose headers, in one language, hold most of a header line's
// fields: the likely author of a list. nullptr when none holds any.
const Edition* likelyAuthor(const std::vector<std::string>& headerLine);

// That column's header in `language`'s words, without its blanks.
std::string headerIn(const HeaderOwner& owner, Language language);

// A cell of `column` as any program writes it, in the words of `target`. A
// word of the target's own lists stays; another program's word for the same
// meaning becomes the target's ("High" in either language -> the target's high power; a
// signalling by its English name; "None" the target's empty signalling where
// it has no such word). A busy word of another kind of radio (YES/NO against
// Close/Carrier/QT/DQT) means something else here: `ignored`. A text nobody
// uses stays as it is, for the target's own rules to refuse.
struct CarriedCell {
    std::string text;
    bool ignored = false;
};
CarriedCell carriedCell(Column column, const std::string& text, const ChannelTable& target);

} // namespace tolvan

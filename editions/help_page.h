#pragma once

#include "editions/language.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

struct Edition;

// Each program's help page is composed from one source of sections, so a page
// describes only what its program has. A line "@@ LANG TERM ..." (LANG "en",
// "zh" or "*" for both) starts a section; it goes into a page of that language
// when every term holds for the edition: a feature tag, "!tag" for its absence, "a|b" for either.
// Lines starting "@#" are notes for the writer. In a section's text,
// {{program}}, {{title}}, {{channels}}, {{size}}, {{signalling}} (the Opt
// Signal choices), {{header:COLUMN}} and {{msg:NAME}} (a link message) are the
// edition's own words.

// The features of an edition a section can be tagged with, all from its table:
// family:twotone|a|keys|sixteen, twotone, password, keyassignment, features,
// features:full|signalling|lists, features:pf (the full dialog's PF1/PF2),
// features:ani (the signalling dialog's PTT ID and ANI), functiongroup,
// typecheck, bandcheck, testmode:band (test frequencies from "Field"), names,
// branded, languagechoice, createsini, col:COLUMN, list:LABEL (spaces dropped).
std::set<std::string> helpTags(const Edition& edition);

// The languages a program's help comes in: its window's languages.
std::vector<Language> helpLanguages(const Edition& edition);

// The page file the window opens in `language`: "Tolvan_V_EN.html" or "Tolvan_V_CH.html".
const char* helpFileName(Language language);

// The page of `edition` in `language`; `error` names the first malformed
// section header (the page is then empty).
std::string composeHelpPage(std::string_view source, const Edition& edition, Language language,
                            std::string* error = nullptr);

} // namespace tolvan

#pragma once

#include "editions/edition.h"

#include <string>
#include <string_view>

namespace tolvan {

class IniLookup;

// The program's base name: the file name without its directory (split on "/" and
// "\") and without its last extension, if it has one. Programs here have no
// extension, so "cps-twotone" stays "cps-twotone"; only an empty name becomes "MAIN".
std::string programBaseName(std::string_view programPath);

// The language name decided at start-up: base name + "_CH" on a Chinese system,
// base name + "_EN" otherwise; with "LANGUAGE_FORCE" = 1 in section "MAIN" the
// value of "LANGUAGE" instead, whatever it is, even empty.
std::string decideLanguageName(std::string_view baseName, bool systemIsChinese, const IniLookup& ini);

// English exactly when the language name is the base name followed by "_EN".
bool isEnglishLanguageName(std::string_view languageName, std::string_view baseName);

Language languageOf(std::string_view languageName, std::string_view baseName);

} // namespace tolvan

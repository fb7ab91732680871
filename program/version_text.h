#pragma once

#include "editions/edition.h"
#include "program/startup_language.h"

#include <string>
#include <string_view>

namespace tolvan {

// The version of the package the programs ship in.
std::string_view packageVersion();

// What `--version` prints: the program with the package's version, then the
// version line of the program's About box in the language the window would
// take (a branded program's own line when its ini files give one).
std::string versionText(const Edition& edition, const StartupLanguage& language);

// The first line alone, for a program without an About box (the opener).
std::string packageVersionLine(std::string_view program);

} // namespace tolvan

#pragma once

#include "editions/language.h"

#include <string>

namespace tolvan {

// How --help names the places the system keeps a program's files, each
// system its own (place_texts_posix.cpp, place_texts_win.cpp).

// Where every completed read is kept (read_backup.h), in the language given.
std::string readBackupPlaceText(Language language);

// The folder of a program's installed help pages, ending in its separator.
std::string helpPagesPlaceText(const std::string& programId);

} // namespace tolvan

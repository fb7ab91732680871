#pragma once

#include "editions/language.h"

#include <string>

namespace tolvan {

// The words of tolvan-open: its caption, its questions (%1: the file's name)
// and, without a display, the line above the candidates.
struct OpenerTexts {
    std::string caption;
    std::string whichProgram;  // no file given
    std::string whichOpens;    // a file several programs' radios fit
    std::string startOne;      // likewise, on stderr
    std::string cancel;
    std::string whoseChannels;  // Import Channels from such a file, where they read its channels differently
};

const OpenerTexts& openerTexts(Language language);

} // namespace tolvan

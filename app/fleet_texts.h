#pragma once

#include "editions/language.h"

#include <string>

namespace tolvan {

// The words of the window's fleet commands in one language: the comparisons'
// titles, a cancelled write, and the Write To Several Radios log.
struct FleetTexts {
    std::string compareWithFile;
    std::string compareWithRadio;
    std::string cancelled;
    std::string severalTitle;
    std::string connectNext;
    std::string writeNext;
    std::string saveLog;
    std::string close;
    std::string number;
    std::string time;
    std::string result;
    std::string failed;  // before a failed radio's result
    std::string stopWriting;
    std::string skipUnfit;  // Import Channels: import the rest around the cells refused?
};

const FleetTexts& fleetTexts(Language language);

} // namespace tolvan

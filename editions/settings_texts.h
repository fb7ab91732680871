#pragma once

#include "editions/settings_layout.h"

#include <string>
#include <vector>

namespace tolvan {

enum class Language;

// The words of the two family-A Optional Features dialogs in one language.
// The printed settings block names what these dialogs store in their words,
// so they live with the editions rather than with the dialogs.

struct OptionalFeaturesTexts {
    std::string caption;
    std::string functionSet;
    std::string idGroup;
    std::string squelch;
    std::string timeOut;
    std::string timeOutOff;  // the time-out box at 0
    std::string voxGain;
    std::string language;
    std::string beep;
    std::string batterySave;
    std::string scrambler;
    std::string priorityChannel;
    std::string groupId;
    std::string id;
    std::string callId;
    std::string checkId;
    std::string killId;
    std::string listenId;
    std::string beginOfTx;
    std::string endOfTx;
    std::string signalMode;
    std::string pf1;
    std::string pf2;
    std::vector<std::string> voxItems;
    std::vector<std::string> languageItems;
    std::vector<std::string> signalModeItems;
    std::vector<std::string> keyItems;
    std::string ok;
    std::string cancel;
};

// The Optional Features dialog of the DTMF/FleetSync radios. Group captions
// the English dialog leaves empty are plain frames there.
struct SignallingFeaturesTexts {
    std::string caption;
    std::string timeOut;
    std::string timeOutOff;
    std::string squelch;
    std::string language;
    std::string beep;
    std::string batterySave;
    std::string scrambler;
    std::string voxGroup;
    std::string voxFunction;
    std::string voxGain;
    std::string voxDelay;
    std::string voxInhibit;
    std::string pttGroup;
    std::string pttId;
    std::string aniCode;
    std::string beginOfTx;
    std::string endOfTx;
    std::string keyGroup;
    std::string pf1;
    std::string pf2;
    std::vector<std::string> languageItems;
    std::vector<std::string> voxGainItems;
    std::vector<std::string> voxDelayItems;
    std::vector<std::string> keyItems;
    std::string ok;
    std::string cancel;
};

OptionalFeaturesTexts optionalFeaturesTexts(Language language);
// The two radios word the time-out label and the language list's last item apart.
SignallingFeaturesTexts signallingFeaturesTexts(Language language, const SignallingFeaturesLayout& layout);

} // namespace tolvan

#pragma once

#include "editions/edition.h"

#include <array>
#include <string>
#include <vector>

namespace tolvan {

// The words of the settings dialogs in one language. Messages are picked
// by the ordinary language test like every other message of the program.

struct OptionalFeaturesTexts {
    std::string caption;
    std::string functionSet;
    std::string idGroup;
    std::string squelch;
    std::string timeOut;
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

struct KeyAssignmentTexts {
    std::string caption;
    std::vector<std::string> buttons;    // group captions, one per side button
    std::string shortPress;
    std::string longPress;
    std::vector<std::string> functions;  // key function codes 0..8
    std::string ok;
    std::string cancel;
};

struct TwoToneTexts {
    std::string caption;
    std::string encodeTab;
    std::string decodeTab;
    std::string firstDelay;
    std::string secondDelay;
    std::string longDelay;
    std::string toneInterval;
    std::string txRise;
    std::string shortKill;
    std::array<std::string, 3> gridHeaders;
    std::string decoderTab;  // followed by " 1" to " 8"
    std::array<std::string, 4> decoderTones;  // A to D; C and D are never shown
    std::array<std::string, 4> decoderTimes;
    std::string pleaseInputNumber;
    std::string rangeMessage;  // %1, %2: the limits of a millisecond box
};

struct TestModeTexts {
    std::string caption;
    std::string debugFrequency;
    std::string highFrequency;
    std::string middleFrequency;
    std::string lowFrequency;
    std::string debugItem;
    std::array<std::string, 4> items;  // TX Frequency ... TX Power
    std::string exitDebug;
    std::string groupStatic;
    std::string chooseFirst;
    std::array<std::string, 3> frequencyCaptions;  // High, Middle, Low
    std::string defaultButton;
    std::string receive;
    std::string transmit;
    std::string frequency;
    std::string tone;
    std::string toneMethod;
    std::string qt;
    std::string dqt;
    std::string stepValue;
    std::string step500;
    std::string step625;
    std::string chooseDebugFrequency;
    std::array<std::string, 3> debugFrequencyRadios;
    std::string parameterValue;
    std::string minimum;
    std::string maximum;
    std::string currentValue;
    std::string currentPosition;
    std::string start;
    std::string finished;
    std::string failed;
    std::string nothingVisible;
};

OptionalFeaturesTexts optionalFeaturesTexts(Language language);
// The two radios word the time-out label and the language list's last item apart.
SignallingFeaturesTexts signallingFeaturesTexts(Language language, const SignallingFeaturesLayout& layout);
KeyAssignmentTexts keyAssignmentTexts(Language language);
TwoToneTexts twoToneTexts(Language language);
TestModeTexts testModeTexts(Language language);

} // namespace tolvan

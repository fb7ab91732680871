#pragma once

#include "editions/edition.h"
#include "editions/settings_texts.h"

#include <array>
#include <string>
#include <vector>

namespace tolvan {

// The words of the dialogs in one language (those of the two Optional Features
// dialogs are in editions/settings_texts.h, which the printed report shares).
// Messages are picked by the ordinary language test like every other message
// of the program.

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

KeyAssignmentTexts keyAssignmentTexts(Language language);
TwoToneTexts twoToneTexts(Language language);
TestModeTexts testModeTexts(Language language);

} // namespace tolvan

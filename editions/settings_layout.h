#pragma once

#include "editions/form_list.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tolvan {

// One flag of a settings byte.
struct SettingsBit {
    std::size_t offset = 0;
    int bit = 0;
};

// Where the Optional Features dialog of the fully featured family keeps its
// values. Editions whose dialog is the same kind of thing (same controls, same
// rules) describe it with their own offsets; a control an edition lacks is an
// empty optional and is neither read nor written.
struct OptionalFeaturesLayout {
    SettingsBit beginOfTx{0x810, 5};
    SettingsBit endOfTx{0x810, 4};
    std::size_t flags = 0x812;  // bits 0-1 the radio's menu language, rewritten as a whole byte
    SettingsBit batterySave{0x812, 2};
    SettingsBit scrambler{0x812, 4};
    SettingsBit beep{0x812, 6};
    // Whole flag byte written for each item of the language list.
    std::vector<std::uint8_t> languageCodes{3, 2};
    std::size_t squelch = 0x813;
    std::size_t timeOut = 0x814;  // steps of 15 s, 0-40, 0 = off
    std::size_t voxGain = 0x815;
    std::size_t signalMode = 0x816;
    // Bytes every OK sets to a fixed value, in this order.
    std::vector<std::pair<std::size_t, std::uint8_t>> fixedOnOk{{0x817, 4}, {0x818, 0}};
    std::optional<std::size_t> pf1 = 0x81A;  // hidden key lists; PF1 shares its byte with
    std::optional<std::size_t> pf2 = 0x81B;  // the priority channel, which is written last
    std::size_t priorityChannel = 0x81A;     // channel number, 0 = none
    // Identity codes: 8 bytes each, ASCII, free positions 0xFF.
    std::size_t groupId = 0x820;
    std::size_t callId = 0x828;
    std::size_t id = 0x830;
    std::size_t checkId = 0x838;
    std::size_t killId = 0x840;
    std::size_t listenId = 0x848;
};

// Where the Optional Features dialog of the radios with DTMF/FleetSync
// signalling keeps its values. The larger radio keeps them around 0x810, the
// smaller one at 0x7D0; a control a radio lacks (or hides) is an empty optional
// and is neither read nor written.
struct SignallingFeaturesLayout {
    std::size_t timeOut = 0;  // steps of 15 s, 0-40, 0 = off
    std::size_t squelch = 0;
    std::size_t flags = 0;  // bits 0-1 the voice language, rewritten as a whole byte
    // Whole flag byte written for each item of the language list.
    std::vector<std::uint8_t> languageCodes{3, 2, 0};
    SettingsBit beep;
    SettingsBit scrambler;
    SettingsBit batterySave;
    std::size_t voxGain = 0;
    std::size_t voxDelay = 0;
    SettingsBit voxFunction;
    SettingsBit voxInhibit;
    std::size_t pf1 = 0;
    std::size_t pf2 = 0;
    std::optional<std::size_t> pttId;    // 8 bytes, up to 4 digits (the 0000-1999 rule)
    std::optional<std::size_t> aniCode;  // 8 bytes, digits and letters
    std::optional<SettingsBit> beginOfTx;
    std::optional<SettingsBit> endOfTx;
    // Bytes every OK sets to a fixed value, in this order.
    std::vector<std::pair<std::size_t, std::uint8_t>> fixedOnOk;

    // The two radios' dialogs word two things differently.
    struct Words {
        std::string english;
        std::string chinese;
    };
    Words timeOutLabel{"Time-out Timer", "发射限时(秒)"};
    Words languageOff{"Off", "关闭"};  // the language list's third item
};

// The side buttons of the Key Assignment dialog: one byte per button, the high
// nibble the short press and the low nibble the long press (key function codes).
struct KeyAssignmentLayout {
    std::vector<std::size_t> buttons{0x3C5, 0x3C6};  // side button 2, side button 3
    int functions = 9;  // codes 0..8 are in the lists; higher codes show no selection
};

// A settings dialog of lists only (the key-assignment radio's Optional
// Features): the lists in the order shown; their store ranks give the order
// OK writes them in.
struct SettingsListsLayout {
    std::vector<FormList> lists;
};

} // namespace tolvan

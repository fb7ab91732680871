#pragma once

#include "codeplug/memory_image.h"
#include "editions/settings_layout.h"

#include <string>
#include <string_view>

namespace tolvan {

// What the Optional Features dialog shows: list indexes (-1 = no selection),
// check marks and the identity texts.
struct OptionalFeaturesValues {
    int squelch = 0;
    int timeOut = 0;  // spin position, 15 s per step
    int voxGain = 0;
    int signalMode = 0;
    int language = -1;
    int pf1 = 0;
    int pf2 = 0;
    int priorityChannel = -1;  // list index: channel - 1
    bool beep = false;
    bool batterySave = false;
    bool scrambler = false;
    bool beginOfTx = false;
    bool endOfTx = false;
    std::string groupId;
    std::string id;
    std::string callId;
    std::string checkId;
    std::string killId;
    std::string listenId;

    bool operator==(const OptionalFeaturesValues&) const = default;
};

// The radio-wide settings of the settings block: read when the dialog opens,
// written back in place on OK. Cancel simply never calls write().
class OptionalFeatures {
public:
    static constexpr int kSquelchItems = 10;
    static constexpr int kTimeOutSteps = 40;
    static constexpr int kVoxItems = 11;
    static constexpr int kSignalModeItems = 4;
    static constexpr int kKeyItems = 6;
    static constexpr int kPriorityItems = 128;
    static constexpr int kGroupIdLength = 4;
    static constexpr int kIdLength = 8;

    explicit OptionalFeatures(const OptionalFeaturesLayout& layout) : layout_(layout) {}

    const OptionalFeaturesLayout& layout() const { return layout_; }
    int languageItems() const { return static_cast<int>(layout_.languageCodes.size()); }

    OptionalFeaturesValues read(const MemoryImage& image) const;
    // The order matters: the language rewrites the whole flag byte before the
    // check marks are applied, and the priority channel overwrites PF1's byte.
    void write(const OptionalFeaturesValues& values, MemoryImage& image) const;

    // The dialog's word for off (`off`) at 0, else the seconds.
    static std::string timeOutText(int position, const std::string& off);

    // The key filter of the "ID" box, on the system's key codes: digits, letters
    // (either case's code) and Backspace reach the box, nothing else does.
    static bool idBoxAcceptsKey(int virtualKey);

private:
    OptionalFeaturesLayout layout_;
};

} // namespace tolvan

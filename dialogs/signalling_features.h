#pragma once

#include "codeplug/memory_image.h"
#include "editions/settings_layout.h"

#include <string>

namespace tolvan {

// What the Optional Features dialog of the DTMF/FleetSync radios shows: list
// indexes, check marks and the two codes.
struct SignallingFeaturesValues {
    int timeOut = 0;  // spin position, 15 s per step
    int squelch = 0;
    int language = 0;  // "Chinese", "English", "Off"
    bool beep = false;
    bool scrambler = false;
    bool batterySave = false;
    int voxGain = 0;
    int voxDelay = 0;
    bool voxFunction = false;
    bool voxInhibit = false;
    int pf1 = 0;
    int pf2 = 0;
    std::string pttId;
    std::string aniCode;
    bool beginOfTx = false;
    bool endOfTx = false;

    bool operator==(const SignallingFeaturesValues&) const = default;
};

// The radio-wide settings of these radios, read when the dialog opens and
// written back in place on OK. A list shows its first item for a stored value
// that is none of its indexes. Controls the layout lacks are left alone.
class SignallingFeatures {
public:
    static constexpr int kTimeOutSteps = 40;
    static constexpr int kSquelchItems = 10;
    static constexpr int kVoxGainItems = 11;
    static constexpr int kVoxDelayItems = 6;
    static constexpr int kKeyItems = 6;

    explicit SignallingFeatures(const SignallingFeaturesLayout& layout) : layout_(layout) {}

    const SignallingFeaturesLayout& layout() const { return layout_; }
    int languageItems() const { return static_cast<int>(layout_.languageCodes.size()); }

    SignallingFeaturesValues read(const MemoryImage& image) const;
    // The language rewrites the whole flag byte first; the check marks are
    // then applied to it (some of them live in that byte).
    void write(const SignallingFeaturesValues& values, MemoryImage& image) const;

private:
    SignallingFeaturesLayout layout_;
};

} // namespace tolvan

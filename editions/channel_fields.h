#pragma once

#include "codeplug/frequency_codec.h"
#include "codeplug/tone_codec.h"

#include <string>

namespace tolvan {

// One channel as the channel table sees it, decoded from its record. Lists are
// kept as indices into the edition's own word lists (see EditionTexts), so the
// same fields serve every language; -1 means "no choice".
struct ChannelFields {
    TenHz rx = 0;  // 0 = no frequency
    TenHz tx = 0;
    ToneCode rxTone;
    ToneCode txTone;
    int signalling = -1;  // index into Edition::signallingValues
    int busy = -1;        // index into the busy list
    bool pttId = false;
    bool wide = false;
    bool scan = false;
    bool highPower = false;
    std::string name;

    // In use: at least one frequency. A channel not in use shows only its number
    // and name, whatever its other bytes hold.
    bool inUse() const { return rx != 0 || tx != 0; }

    bool operator==(const ChannelFields&) const = default;
};

} // namespace tolvan

#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tolvan {

// One radio-wide setting as the report and the form name it, and the bits of
// the image that hold it.
struct NamedSetting {
    std::string name;
    struct Bits {
        std::size_t offset = 0;
        std::uint8_t mask = 0xFF;
    };
    std::vector<Bits> bits;
    // Where its value is read for display: a form list, or a printed item.
    const FormList* list = nullptr;
    const ReportItem* item = nullptr;
};

// The settings an edition names: the form's lists, then every item of the
// printed settings block, by their names in `language` (a label's trailing
// blanks and colon dropped). Items printed twice appear once.
std::vector<NamedSetting> namedSettings(const Edition& edition, Language language);

// The channel whose record or name holds image byte `offset`; 0 for none.
int channelAt(const Edition& edition, std::size_t offset);

// Where two images differ, as a technician reads it: the channels whose record
// or name bytes differ, the named settings whose bits differ, and every other
// differing byte by address. Only bytes below `end` are compared.
struct ImageDifference {
    std::vector<int> channels;
    std::vector<const NamedSetting*> settings;  // into the list given
    std::vector<std::size_t> otherBytes;

    bool empty() const { return channels.empty() && settings.empty() && otherBytes.empty(); }
};
ImageDifference differenceOf(const Edition& edition, const std::vector<NamedSetting>& settings,
                             const MemoryImage& a, const MemoryImage& b, std::size_t end);

// A report label as a setting's name: "Squelch Level: " -> "Squelch Level".
std::string settingName(std::string_view label);

// "0x0FE0": how the program writes an image address.
std::string addressText(std::size_t offset);

} // namespace tolvan

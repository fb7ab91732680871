#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolvan {

// Two images compared as a technician reads them: channel by channel, column by
// column in the table's own words; then the radio-wide settings by the names
// the form and the printed report give them; then every other differing byte.
struct ImageComparison {
    struct Cell {
        std::string column;  // the table's header
        std::string before, after;
    };
    struct Channel {
        int number = 0;
        std::vector<Cell> cells;
    };
    struct Setting {
        std::string name;
        std::string before, after;
    };
    struct Byte {
        std::size_t offset = 0;
        std::uint8_t before = 0, after = 0;
    };
    std::vector<Channel> channels;
    std::vector<Setting> settings;
    std::vector<Byte> bytes;

    bool identical() const { return channels.empty() && settings.empty() && bytes.empty(); }
};

ImageComparison compareImages(const Edition& edition, Language language, const MemoryImage& a, const MemoryImage& b);

// The comparison as lines of text in the edition's language; one line saying
// so when the images are identical.
std::string comparisonText(const Edition& edition, Language language, const ImageComparison& comparison);

// Adds "--diff A.sin B.sin" to the command line.
void registerImageDiff();

} // namespace tolvan

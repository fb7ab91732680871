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
// Every changed bit is shown: by a column of its channel, by a setting, or,
// where neither shows it, by its byte (under its channel when the byte is part
// of the channel's record or name, else among the other bytes).
struct ImageComparison {
    struct Cell {
        std::string column;  // the table's header
        std::string before, after;
    };
    struct Byte {
        std::size_t offset = 0;
        std::uint8_t before = 0, after = 0;
    };
    struct Channel {
        int number = 0;
        std::vector<Cell> cells;
        std::vector<Byte> bytes;         // its bytes holding a change no column or setting shows
        std::vector<std::size_t> shown;  // its differing bytes the cells account for
    };
    struct Setting {
        std::string name;
        std::string before, after;
        std::vector<std::size_t> offsets;  // its differing bytes
    };
    std::vector<Channel> channels;
    std::vector<Setting> settings;
    std::vector<Byte> bytes;

    bool identical() const { return channels.empty() && settings.empty() && bytes.empty(); }
};

// The two images as they are, byte for byte.
ImageComparison compareImages(const Edition& edition, Language language, const MemoryImage& a, const MemoryImage& b);

// The comparison --diff and the window's Compare commands show: `stored` as the
// window stores it (the document after its table-to-image step, or a file
// through imageAsSaved), `other` (a file, or what a radio holds) as the
// program would store it after opening or reading it. Bytes a save rewrites
// are alike on both sides then, so only what a write would send differently
// shows; a file compared with itself is identical.
ImageComparison compareAsSaved(const Edition& edition, Language language, const MemoryImage& stored,
                               const MemoryImage& other);

// What the two sides of a comparison are; the text names them.
enum class ComparedSides { Files, DocumentAndFile, DocumentAndRadio };

// The comparison as lines of text in the edition's language, first side
// before each arrow; one line saying so when the images are identical.
std::string comparisonText(const Edition& edition, Language language, const ImageComparison& comparison,
                           ComparedSides sides = ComparedSides::Files);

// Adds "--diff A.sin B.sin" to the command line.
void registerImageDiff();

} // namespace tolvan

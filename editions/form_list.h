#pragma once

#include "codeplug/memory_image.h"
#include "editions/language.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tolvan {

// One drop-down list with a fixed set of entries and the settings byte it keeps
// its choice in: the lists of the form above or below the channel table
// ("Type", "Field", the "Function Setting" group) and those of a settings
// dialog made of lists only. A choice is an index into the items; -1 is none.
//  - Value: the byte is `base` + index x `scale`; a byte below `base` reads as
//    `belowBase`, one at or beyond `readableCount` entries as `aboveRange`.
//  - Bit: one bit (set = `setIndex`), the other bits left alone.
//  - Code: the bits of `mask` hold `codes`[index], the other bits left alone;
//    a pattern none of the codes has leaves the choice as it was.
struct FormList {
    enum class Coding { Value, Bit, Code };
    // Where the form shows the list: above the table, or in the "Function
    // Setting" group below it (a dialog's lists are laid out by the dialog).
    enum class Place { AboveTable, FunctionGroup };
    std::string label;         // English
    std::string chineseLabel;  // empty: the translation file gives the Chinese wording
    std::vector<std::string> englishItems;
    std::vector<std::string> chineseItems;  // empty: the English items in both languages
    std::size_t offset = 0;
    Coding coding = Coding::Value;
    std::uint8_t base = 0;     // Value: the byte of index 0
    int readableCount = 0;     // Value: base .. base+readableCount-1 read as an index
    int belowBase = 0;         // index shown for a byte below base (-1: no selection)
    int aboveRange = 0;        // index shown for a byte at or above base+readableCount
    int scale = 1;             // Value: stored steps per index (the byte is read divided by it)
    int bit = 0;               // Bit: which bit
    int setIndex = 0;          // Bit: the index a set bit stands for
    std::uint8_t mask = 0xFF;  // Code: the bits the code takes
    std::vector<std::uint8_t> codes;  // Code: the stored pattern of each index
    // Value: no choice (or one beyond the items) leaves the byte as it was;
    // otherwise it stores what index -1 computes to ("Type" then stores 0x37).
    bool keepsWithoutChoice = false;
    // Written into `repeat` bytes `stride` apart (read from the first only).
    int repeat = 1;
    std::size_t stride = 0;
    int initialIndex = 0;      // selected before the first image is shown
    int typingReset = -1;      // typing into the list's edit field snaps to this index (-1: no reset)
    bool editable = true;      // an edit field above the list
    Place place = Place::AboveTable;
    int storeRank = 0;         // lists are written by rising rank, ties in list order

    const std::vector<std::string>& items(Language language) const
    {
        return language == Language::Chinese && !chineseItems.empty() ? chineseItems : englishItems;
    }
};

// The choice the list's byte holds; `current` where the byte says nothing
// the list can show (a Code list's unknown pattern).
int readChoice(const FormList& list, const MemoryImage& image, int current);
// Writes `index` into the list's byte(s).
void writeChoice(const FormList& list, int index, MemoryImage& image);
// The order lists are written in: by rising `storeRank`, ties in list order.
std::vector<int> storeOrder(const std::vector<FormList>& lists);

} // namespace tolvan

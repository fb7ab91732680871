#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace tolvan {

// One visit to a settings dialog: the file holds some bytes, the dialog opens,
// the user changes something and presses OK.
template <class Model, class Values>
struct DialogVisit {
    const char* what;
    std::function<void(const Model&, MemoryImage&)> stored;  // over a new document; may be empty
    std::function<void(Values&)> change;                     // may be empty: OK at once
};

// A file that holds `bytes` at `offset`.
template <class Model>
std::function<void(const Model&, MemoryImage&)> holding(std::size_t offset, std::vector<std::uint8_t> bytes)
{
    return [offset, bytes](const Model&, MemoryImage& image) { image.write(offset, bytes); };
}

// "812=44 813=09 820..827=FF": the bytes OK changed, with their new values; a
// run of one value over three bytes or more is one range.
inline std::string changedBytes(const MemoryImage& before, const MemoryImage& after)
{
    std::string out;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before.at(i) == after.at(i))
            continue;
        std::size_t last = i;
        while (last + 1 < after.size() && before.at(last + 1) != after.at(last + 1) && after.at(last + 1) == after.at(i))
            ++last;
        char cell[48];
        if (last >= i + 2)
            std::snprintf(cell, sizeof cell, " %03zX..%03zX=%02X", i, last, after.at(i));
        else
            std::snprintf(cell, sizeof cell, " %03zX=%02X", i, after.at(i));
        out += cell;
        if (last >= i + 2)
            i = last;
    }
    return out.empty() ? " nothing" : out;
}

// Every visit rendered as the bytes the file holds, what the dialog shows, the bytes OK writes, and what
// the dialog shows when opened again where that differs.
template <class Model, class Values>
std::string visitDialog(const Edition& edition, const Model& model, const std::vector<DialogVisit<Model, Values>>& visits,
                        const std::function<std::string(const Values&)>& shown)
{
    std::string out;
    for (const auto& visit : visits) {
        MemoryImage image = newDocumentImage(edition);
        out += edition.id + " " + visit.what + "\n";
        if (visit.stored) {
            visit.stored(model, image);
            out += "  file:" + changedBytes(newDocumentImage(edition), image) + "\n";
        }
        const MemoryImage before = image;
        Values values = model.read(image);
        // A new document always shows the same: once per edition is enough.
        if (visit.stored || &visit == &visits.front())
            out += "  shows  " + shown(values) + "\n";
        if (visit.change)
            visit.change(values);
        model.write(values, image);
        out += "  OK:" + changedBytes(before, image) + "\n";
        const Values again = model.read(image);
        if (!(again == values))
            out += "  then  " + shown(again) + "\n";
    }
    return out;
}

} // namespace tolvan

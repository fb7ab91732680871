#pragma once

#include "editions/edition.h"

#include <cstddef>
#include <memory>
#include <mutex>
#include <utility>

namespace tolvan {

// Data that follows from an edition and a language alone, made on first use and
// kept: the built-in editions never change while the program runs, and a
// comparison or a table load would otherwise rebuild it every time. Safe to use
// from the transfer thread. An edition that is not built in (a modified copy)
// may change or go away, so it gets fresh data on every call.
template <typename T>
class EditionCache {
public:
    // `make(edition, language)` builds the data.
    template <typename Make>
    std::shared_ptr<const T> get(const Edition& edition, Language language, Make make)
    {
        const auto& editions = allEditions();
        std::size_t index = 0;
        while (index < editions.size() && editions[index] != &edition)
            ++index;
        if (index == editions.size())
            return std::make_shared<const T>(make(edition, language));
        Slot& slot = slots_[2 * index + (language == Language::Chinese ? 1 : 0)];
        std::call_once(slot.once, [&] { slot.value = std::make_shared<const T>(make(edition, language)); });
        return slot.value;
    }

private:
    struct Slot {
        std::once_flag once;
        std::shared_ptr<const T> value;
    };
    std::unique_ptr<Slot[]> slots_ = std::make_unique<Slot[]>(2 * allEditions().size());
};

} // namespace tolvan

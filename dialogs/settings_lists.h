#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"

#include <string>
#include <vector>

namespace tolvan {

// A settings dialog made of drop-down lists only (the key-assignment radio's
// Optional Features): each list's choice read from its byte when the dialog
// opens and written back in place on OK, in the lists' store order. Selections are
// list indexes, -1 for none. Cancel simply never calls write().
class SettingsLists {
public:
    explicit SettingsLists(const SettingsListsLayout& layout) : layout_(layout) {}

    int count() const { return static_cast<int>(layout_.lists.size()); }
    const FormList& list(int i) const { return layout_.lists.at(static_cast<std::size_t>(i)); }
    const std::string& label(int i, Language language) const;
    const std::vector<std::string>& items(int i, Language language) const;

    std::vector<int> read(const MemoryImage& image) const;
    void write(const std::vector<int>& selections, MemoryImage& image) const;

    // Typing into list i's edit field: the selection it snaps to, or `current`
    // where the list does not snap.
    int typed(int i, int current) const;

private:
    SettingsListsLayout layout_;
};

} // namespace tolvan

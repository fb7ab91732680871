#pragma once

#include "codeplug/memory_image.h"
#include "editions/settings_layout.h"

#include <vector>

namespace tolvan {

// What one side button's two lists show: key function codes as list indexes,
// -1 for a code the lists do not have.
struct SideButtonChoice {
    int shortPress = -1;
    int longPress = -1;
    bool operator==(const SideButtonChoice&) const = default;
};

// The Key Assignment dialog's rules: each side button's byte holds the short
// press in its high nibble and the long press in its low nibble.
class KeyAssignment {
public:
    explicit KeyAssignment(const KeyAssignmentLayout& layout) : layout_(layout) {}

    int buttonCount() const { return static_cast<int>(layout_.buttons.size()); }
    int functionCount() const { return layout_.functions; }

    std::vector<SideButtonChoice> read(const MemoryImage& image) const;
    // A list without a selection leaves its own nibble as it was, so an unknown
    // code neither changes nor borrows from the other press.
    void write(const std::vector<SideButtonChoice>& choices, MemoryImage& image) const;

private:
    KeyAssignmentLayout layout_;
};

} // namespace tolvan

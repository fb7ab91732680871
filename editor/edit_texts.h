#pragma once

#include "editions/edition.h"
#include "editor/undo_stack.h"

#include <array>
#include <string>

namespace tolvan {

// The words of the Channel Edit dialog in one language.
struct ChannelEditTexts {
    std::string caption;
    std::string channel;
    std::string optSignal;
    std::array<std::string, 4> signalling;  // byte-12 bits 0x1, 0x2, 0x4, 0x8
    std::string twoToneGroup;
    std::string call;
    std::string decode;
    std::string ok;
};

// The grid's row commands (its context menu).
struct RowCommandTexts {
    std::string copyRows;
    std::string pasteRows;
    std::string clearRows;
    std::string undo;
    std::string redo;
};

ChannelEditTexts channelEditTexts(Language language);
RowCommandTexts rowCommandTexts(Language language);
// "Undo Channel Edit", "撤销频道编辑": what Undo or Redo will do.
std::string undoCaption(EditKind kind, bool redo, Language language);

} // namespace tolvan

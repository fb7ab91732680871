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

// The words of a channel list import (the window's Import Channels and
// --import-csv): where a file went wrong, why, and what it changed.
struct CsvImportTexts {
    std::string where;  // "Line %1, column %2: "
    std::string channelWhere;  // "Channel %1, %2: ", in another program's image
    std::string unclosedQuote;
    std::string unknownColumn;
    std::string columnTwice;
    std::string noChannelColumn;
    std::string fieldCount;
    std::string badChannel;
    std::string channelTwice;
    std::string badWord;
    std::string badTone;
    std::string badName;
    std::string cannotRead;
    std::string imported;
    std::string ignored;  // "ignored: ", before the columns named
    std::string listSeparator;
    std::string skipped;  // before each cell left as it was
    std::string noProgramsFile;   // %1: the file's length
    std::string notOfProgram;     // %1: the program named, %2: the file's length
    std::string severalPrograms;  // %1: the programs whose layout it may have
    std::string nameTheProgram;   // the command line's way out of that
};

ChannelEditTexts channelEditTexts(Language language);
const CsvImportTexts& csvImportTexts(Language language);
RowCommandTexts rowCommandTexts(Language language);
// "Undo Channel Edit", "撤销频道编辑": what Undo or Redo will do.
std::string undoCaption(EditKind kind, bool redo, Language language);

} // namespace tolvan

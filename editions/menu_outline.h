#pragma once

#include <string>
#include <vector>

namespace tolvan {

enum class Language;

// Command ids, kept from the resource set the menus were first described in;
// the menu outlines, the window, its hooks and the tests name commands by them.
namespace cmd {
enum : int {
    New = 57600, Open = 57601, Save = 57603, SaveAs = 57604, PrintSetup = 57606, Print = 57607,
    PrintPreview = 57609, RecentFile1 = 57616, About = 57664, Exit = 57665, HelpTopics = 57667,
    ContextHelp = 57669, Help = 57670, NextPane = 57680, PreviousPane = 57681,
    ReadFromRadio = 32771, WriteToRadio = 32772, Com1 = 32773, Com2 = 32775, Com3 = 32776, Com4 = 32777,
    TestMode = 32778, KeyAssignment = 32782, EditOptionalFeatures = 32783, OptionalFeatures = 32784,
    TwoTone = 32786, Toolbar = 59392, StatusBar = 59393,
    // Ours: where the serial adapters found on the system are listed, and the
    // built-in virtual radio.
    SerialAdapters = 33001, VirtualRadio = 33002,
    // Ours: the commands for programming a fleet.
    CompareWithFile = 33010, ImportChannels = 33011, VerifyAfterWriting = 33012, WriteToSeveral = 33013,
    CompareWithRadio = 33014,
};
}

// A caption in the program's two resource languages.
struct MenuCaption {
    std::string english;
    std::string chinese;

    const std::string& in(Language language) const;
};

// One line of a menu: a command, or a separator (command 0). The text after a
// tab is the key shown; `bindsKey` says whether that key is also bound to the
// command (Ctrl+O shows beside Optional Features but stays File → Open).
// cmd::RecentFile1 stands for the recent-file list, cmd::SerialAdapters for
// the adapters found when the menu opens.
struct MenuItem {
    int command = 0;
    MenuCaption caption;
    bool bindsKey = false;

    bool isSeparator() const { return command == 0; }
};

struct Menu {
    MenuCaption caption;
    std::vector<MenuItem> items;
};

// The menu bar, left to right. A program shows an item only where it has the
// command; separators next to an absent item fold away.
using MenuOutline = std::vector<Menu>;

// The menu bars of the four families.
MenuOutline twoToneMenus();        // Program menu with Optional Features and Two Tone
MenuOutline familyAMenus();        // the same without Two Tone
MenuOutline keyAssignmentMenus();  // an Edit menu for Key Assignment and Optional Features
MenuOutline sixteenChannelMenus(); // no Edit menu, no Optional Features

} // namespace tolvan

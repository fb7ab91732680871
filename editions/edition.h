#pragma once

#include "codeplug/frequency_codec.h"
#include "codeplug/memory_image.h"
#include "editions/channel_fields.h"
#include "editions/form_list.h"
#include "editions/language.h"
#include "editions/menu_outline.h"
#include "editions/settings_layout.h"
#include "editions/report_plan.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

class RecordCodec;

// How a deliverable decides the language of its texts.
enum class LanguageChoice { AtStartUp, EnglishOnly, ChineseOnly };

// The four families differ in real logic (record coding, settings dialogs); every
// other difference between the deliverables is data in Edition.
enum class Family { TwoTone, FamilyA, KeyAssignment, SixteenChannel };

enum class Column { Channel, Receive, Transmit, RxTone, TxTone, Bandwidth, Scan, Power, Signal, PttId, Busy, Name, More };

// A drop-down list of cell words. For yes/no lists `onIndex` is the item that
// means the flag is set ("High", "Wide", "Yes", "ON").
struct WordList {
    std::vector<std::string> items;
    int onIndex = 0;

    const std::string& word(bool on) const { return items.at(static_cast<std::size_t>(on ? onIndex : 1 - onIndex)); }
    int indexOf(std::string_view text) const;  // exact match, -1 when absent
};

// Messages and titles of the radio link.
struct LinkTexts {
    std::string portOpenFail;
    std::string detecting;
    std::string waiting;
    std::string notStarted;
    std::string sendOrderError;
    std::string commError;
    std::string typeMismatch;
    std::string writeNoAck;
    std::string shortReply;
    std::string readNoAck;
    std::string interrupted;
    std::string passwordIncorrect;
    std::string readTitle;
    std::string writeTitle;
    // The progress window's own controls.
    std::string startButton;
    std::string cancelButton;
    std::string progressLabel;
};

// Messages of cell editing.
struct EntryTexts {
    std::string pleaseInputNumber;
    std::string outOfRange;
    std::string offStepOnLeave;
    std::string offStepOnEnter;
    std::string outOfBand;
    std::string outOfBandCaption;
    std::string editChannel;
    std::string channelRange;  // Channel Edit's channel field outside 1..channels
};

// Everything an edition shows in one language.
struct EditionTexts {
    std::vector<std::string> headers;  // one per entry of Edition::columns
    std::vector<std::string> signalling;  // parallel to Edition::signallingValues
    WordList power;
    WordList bandwidth;
    WordList scan;
    WordList pttId;
    WordList busy;  // family A: Close, Carrier, QT/DQT; small radios: YES, NO
    std::string offTone;  // what a channel in use shows for "no tone": "OFF" or ""
    LinkTexts link;
    EntryTexts entry;
};

// The numbers of the clone exchange.
struct LinkFigures {
    int readBlocks = 0;   // 8-byte blocks from address 0
    int writeBlocks = 0;
    int progressMax = 0;  // progress bar range 0..progressMax
    int readStepBelow = 0;   // the bar advances while its position is below this
    int writeStepBelow = 0;
    int readFinal = 0;    // position set when a transfer completes
    int writeFinal = 0;
    int readAckPauseMs = 0;      // pause between a block's reply and the PC's 0x06
    int readPumpPasses = 0;      // after the radio's 0x06
    int readAfterPassesMs = 0;   // pause after those passes
    int writePumpPasses = 0;     // after each acknowledged block, then 1 ms
    int startAckFailPasses = 0;  // when the start acknowledgement is not answered
    int typeMismatchPasses = 351;
    std::optional<std::size_t> typeCheckOffset;  // image byte compared with ident byte 4
    bool passwordCheck = false;                  // compared after the second read block
};

// One byte run of the new-document image, repeated `repeat` times `stride` apart.
struct BytePatch {
    std::size_t offset = 0;
    std::vector<std::uint8_t> bytes;
    int repeat = 1;
    std::size_t stride = 0;
};

// --- The form above the channel table ----------------------------------------
// Its lists are FormList (editions/form_list.h).
// A byte the view writes with a fixed value each time it stores its table.
struct FormStamp {
    std::size_t offset = 0;
    std::uint8_t value = 0;
};
// --- end of the form ------------------------------------------------------------

// --- The main window -----------------------------------------------------------
// The caption and the About box's program line, in one language.
struct WindowTexts {
    std::string title = "Tolvan Programing Software";
    std::string aboutProgram = "Tolvan Programing Software Version 2.0";
    // The caption of the window's message boxes; empty: the title. A Chinese
    // window whose title is English gives its boxes a Chinese caption.
    std::string messageCaption;
    // The file type the Open and Save dialogs offer; empty: the translation's
    // "Channel Data (*.sin)".
    std::string fileType;
};
// The main window's size at creation, in pixels. A screen too small for it
// gets the largest size of the same proportions that fits.
struct WindowSize {
    int width = 1024;
    int height = 768;

    WindowSize fittedTo(int availableWidth, int availableHeight) const;
    bool operator==(const WindowSize&) const = default;
};
// --- end of the main window -------------------------------------------------------

struct Edition {
    std::string id;  // the deliverable: "cps-twotone", ...
    std::string radio;  // the radio it serves, in a few words (its --help names it)
    Family family = Family::TwoTone;
    LanguageChoice languages = LanguageChoice::EnglishOnly;

    std::size_t imageSize = 0;
    int channelCount = 0;
    std::size_t recordBase = 0;  // offset of channel 1's 16-byte record
    std::optional<std::size_t> nameBase;  // 8 name bytes per channel, when the radio has names

    std::vector<Column> columns;
    // The small radios show a stored tone even on a channel without frequencies;
    // family A shows only the name there.
    bool unusedChannelsShowTones = false;
    std::vector<std::uint8_t> signallingValues;  // byte-12 value of each signalling choice
    std::uint8_t unknownSignallingValue = 0;     // stored for a text that is none of the choices

    // Cell editing: what a frequency typed into an empty row brings with it, where
    // Enter on the grid itself leaves the table, and whether Enter in a list cell
    // goes on to the next row's receive cell instead of the next column.
    ChannelFields newChannel;
    std::optional<Column> gridEnterLeavesAt;
    bool listEnterGoesToNextRow = false;
    // Emptying a frequency clears the columns after the tones once both
    // frequencies are empty; in the small radios only when both tones are too.
    bool listsClearedOnlyWithoutTones = false;

    FrequencyRule frequencyRule;
    std::vector<Band> bands;  // per "Field" index, where the edition checks the band

    LinkFigures link;
    std::optional<std::size_t> passwordOffset;  // six ASCII digits
    std::optional<int> testModeBaseMHz;         // fixed test-mode base, else from the band list

    bool createsIniFile = false;  // a missing ini file is created empty at start-up
    bool hasTwoTone = false;      // Two Tone dialog and the Channel Edit dialog

    std::vector<BytePatch> newDocument;  // applied, in order, over 0xFF

    // Settings dialogs (Optional Features and Two Tone).
    std::optional<OptionalFeaturesLayout> optionalFeatures;  // empty: the edition has its own dialog
    std::optional<SignallingFeaturesLayout> signallingFeatures;  // the DTMF/FleetSync radios' dialog
    std::optional<SettingsListsLayout> settingsLists;        // an Optional Features dialog of lists only
    std::optional<KeyAssignmentLayout> keyAssignment;        // the side buttons' Key Assignment dialog
    // Test Mode in this language whatever the window's (the Chinese key radio's is English).
    std::optional<Language> testModeLanguage;

    EditionTexts english;
    EditionTexts chinese;

    // The form above the table, in the order the form shows the lists.
    std::vector<FormList> formLists;
    std::vector<FormStamp> formStamps;

    // The main window's caption and About line per language.
    WindowTexts englishWindow;
    WindowTexts chineseWindow;
    // The caption and About box come from the ini file beside the program instead.
    bool brandedFromIni = false;
    WindowSize windowSize;
    // The menu bar, in both resource languages.
    MenuOutline menus;
    const WindowTexts& window(Language decided) const
    {
        return uiLanguage(decided) == Language::English ? englishWindow : chineseWindow;
    }
    // --- Printing ---
    ReportPlan report;  // pages, settings block and channel rows of the printed report

    const RecordCodec& records() const;

    std::size_t recordOffset(int channel) const { return recordBase + 16 * static_cast<std::size_t>(channel - 1); }

    // The language of the texts, given the one decided at start-up.
    Language uiLanguage(Language decided) const;
    const EditionTexts& texts(Language decided) const;
};

// The ten deliverables, in a fixed order.
const std::vector<const Edition*>& allEditions();
// nullptr when no deliverable has that name.
const Edition* findEdition(std::string_view id);

// The image of File New: 0xFF everywhere, then the edition's patches.
MemoryImage newDocumentImage(const Edition& edition);

} // namespace tolvan

// The ten deliverables as data. Every difference between them that is not a
// family's own logic is a value here; code asks the edition, never its name.

#include "editions/edition.h"
#include "editions/edition_texts.h"
#include "editions/family_a_record.h"
#include "editions/menu_outline.h"
#include "editions/small_radio_record.h"

#include <algorithm>

namespace tolvan {
namespace {

using C = Column;

const std::vector<Column> kTwoToneColumns = {C::Channel, C::Receive, C::Transmit, C::RxTone,  C::TxTone,
                                             C::Bandwidth, C::Scan,  C::Power,    C::Signal,  C::PttId,
                                             C::Busy,    C::Name,    C::More};
const std::vector<Column> kNamedColumns(kTwoToneColumns.begin(), kTwoToneColumns.end() - 1);
const std::vector<Column> kUnnamedColumns(kTwoToneColumns.begin(), kTwoToneColumns.end() - 2);
const std::vector<Column> kKeyColumns = {C::Channel, C::Receive, C::Transmit, C::RxTone, C::TxTone,
                                         C::Busy,    C::Power,   C::Bandwidth, C::Scan};
const std::vector<Column> kSixteenColumns = {C::Channel, C::Receive, C::Transmit, C::RxTone, C::TxTone, C::Busy};

constexpr TenHz MHz(unsigned m) { return m * kTenHzPerMHz; }

const FrequencyRule kWideSteps{MHz(67), MHz(521), {625, 500, 250}, false};
const FrequencyRule kTwoSteps{MHz(67), MHz(521), {625, 500}, false};
const FrequencyRule kSmallRadio{MHz(60), MHz(600), {625, 500}, true};

// The "Field" list's ten bands, for the edition that checks them.
const std::vector<Band> kFieldBands = {{MHz(67), MHz(72)},   {MHz(136), MHz(174)}, {MHz(240), MHz(260)},
                                       {MHz(350), MHz(390)}, {MHz(400), MHz(430)}, {MHz(430), MHz(450)},
                                       {MHz(450), MHz(470)}, {MHz(470), MHz(490)}, {MHz(400), MHz(470)},
                                       {MHz(460), MHz(520)}};

// Headers follow the columns an edition keeps, taken from a full set in table order.
std::vector<std::string> headersFor(const std::vector<Column>& columns, const std::vector<Column>& fullColumns,
                                    const std::vector<std::string>& fullHeaders)
{
    std::vector<std::string> out;
    for (Column c : columns) {
        const auto it = std::find(fullColumns.begin(), fullColumns.end(), c);
        out.push_back(fullHeaders.at(static_cast<std::size_t>(it - fullColumns.begin())));
    }
    return out;
}

EditionTexts withColumns(EditionTexts t, const std::vector<Column>& columns)
{
    t.headers = headersFor(columns, kTwoToneColumns, t.headers);
    return t;
}

// A frequency typed into an empty family-A row brings: no tones, DTMF (at
// `dtmfIndex` of the edition's signalling list), PTT ID on, busy lock "Close",
// wide band, scan on, high power.
ChannelFields familyANewChannel(int dtmfIndex)
{
    return {.signalling = dtmfIndex, .busy = family_a::kBusyClose, .pttId = true, .wide = true, .scan = true,
            .highPower = true};
}

std::vector<BytePatch> familyASettings(std::uint8_t type, std::uint8_t byte81A, std::uint8_t byte81B)
{
    return {
        {0x80A, {0xF0, type}},
        {0x810, {0xC0, 0xA8, 0xC4, 0x05, 0x00, 0x00, 0x03, 0x04, 0x00, 0x09, byte81A, byte81B}},
        {0x81D, {0x00}},
    };
}

// The smaller family-A radio keeps its settings at 0x7D0; 0x7DC-0x7DF carry the
// model designation "TL10".
const std::vector<BytePatch> kFleetNewDocument = {
    {0x7D0, {0x00, 0x00, 0xF8, 0x05, 0x00, 0x00, 0x03, 0x09, 0x00, 0x00, 0xF0, 0x38, 'T', 'L', '1', '0'}},
};

// --- Optional Features of the DTMF/FleetSync radios ------------------------------
// The larger radio keeps its settings block at 0x810 like the full radio, and
// sets 0x817 and 0x818 on every OK as that one does.
const SignallingFeaturesLayout kSignallingFeaturesAt810 = {
    .timeOut = 0x814, .squelch = 0x813, .flags = 0x812,
    .beep = {0x812, 6}, .scrambler = {0x812, 4}, .batterySave = {0x812, 2},
    .voxGain = 0x815, .voxDelay = 0x816, .voxFunction = {0x810, 7}, .voxInhibit = {0x810, 6},
    .pf1 = 0x81A, .pf2 = 0x81B, .pttId = 0x820, .aniCode = 0x830,
    .beginOfTx = SettingsBit{0x810, 5}, .endOfTx = SettingsBit{0x810, 4},
    .fixedOnOk = {{0x817, 4}, {0x818, 0}},
};

// The smaller radio packs its flags into 0x7D2; its PTT ID and ANI code
// (0x7B0, 0x7C0) are hidden in the dialog and left as they are.
SignallingFeaturesLayout signallingFeaturesAt7D0()
{
    SignallingFeaturesLayout l{
        .timeOut = 0x7D4, .squelch = 0x7D3, .flags = 0x7D2,
        .beep = {0x7D2, 4}, .scrambler = {0x7D2, 2}, .batterySave = {0x7D2, 3},
        .voxGain = 0x7D5, .voxDelay = 0x7D6, .voxFunction = {0x7D2, 5}, .voxInhibit = {0x7D2, 6},
        .pf1 = 0x7D0, .pf2 = 0x7D1,
    };
    l.timeOutLabel.chinese = "超时定时器";
    l.languageOff.english = "OFF";
    return l;
}

// --- The form above the channel table ----------------------------------------
const std::vector<std::string> kFieldItems = {"  67 - 72MHz", "136 - 174MHz", "240 - 260MHz", "350 - 390MHz",
                                              "400 - 430MHz", "430 - 450MHz", "450 - 470MHz", "470 - 490MHz",
                                              "400 - 470MHz", "460 - 520MHz"};

// Type, Field, Tx Power Rank and Manul Setting of the family-A form. `settings`
// names where each byte lives; the smaller radio keeps them elsewhere and reads
// a power rank of 9 or more as 9.
struct FormOffsets {
    std::size_t type, field, powerRank, manual;
    int powerAboveRange;
};

std::vector<FormList> familyAForm(const FormOffsets& at)
{
    using Coding = FormList::Coding;
    FormList type{.label = "Type", .englishItems = {"TL - 512", "TL - 516", "TL - 590"},
                  .offset = at.type, .base = 0x38, .readableCount = 3, .belowBase = -1, .aboveRange = 0,
                  .initialIndex = 0, .typingReset = 0};
    FormList field{.label = "Field", .englishItems = kFieldItems, .offset = at.field,
                   .base = 0xEE, .readableCount = 10, .belowBase = 0, .aboveRange = 0, .initialIndex = 2,
                   .typingReset = 2};
    FormList power{.label = "Tx Power Rank", .englishItems = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, .offset = at.powerRank,
                   .base = 0, .readableCount = 10, .aboveRange = at.powerAboveRange, .initialIndex = 9,
                   .typingReset = 9};
    FormList manual{.label = "Manul Setting", .englishItems = {"Open", "Close"},
                    .chineseItems = {"开启", "关闭"}, .offset = at.manual, .coding = Coding::Bit, .bit = 7};
    return {type, field, power, manual};
}

const FormOffsets kSettingsAt810{.type = 0x80B, .field = 0x80A, .powerRank = 0x819, .manual = 0x812,
                                 .powerAboveRange = 0};
const FormOffsets kSettingsAt7D0{.type = 0x7DB, .field = 0x7DA, .powerRank = 0x7D7, .manual = 0x7D2,
                                 .powerAboveRange = 9};
// The small radios keep their band at 0x3D2 (238 + index, initially 7).
FormList smallRadioField(int bands, std::vector<std::string> items, std::vector<std::string> chinese = {})
{
    return {.label = "Field", .englishItems = std::move(items), .chineseItems = std::move(chinese), .offset = 0x3D2,
            .base = 238, .readableCount = bands, .belowBase = 0, .aboveRange = 0, .initialIndex = 7};
}

const std::vector<std::string> kSixteenFieldItems = {"150-174MHz", "136-150MHz", "136-174MHz", "340-360MHz",
                                                     "350-370MHz", "370-390MHz", "406-430MHz", "430-450MHz",
                                                     "450-470MHz", "400-470MHz", "470-490MHz", "490-512MHz"};

// The radios' model designations at 0x3D3 (55 + index): one for the
// key-assignment radio, eleven for the 16-channel series.
FormList smallRadioType(std::vector<std::string> items)
{
    return {.label = "Type", .englishItems = std::move(items), .offset = 0x3D3, .base = 55, .readableCount = 11,
            .belowBase = -1, .aboveRange = 0, .initialIndex = 0};
}

const std::vector<std::string> kKeyAssignmentTypes = {"TL - 700"};

// --- The key-assignment radio's settings dialogs ---------------------------------
std::vector<std::string> numbered(int from, int to)
{
    std::vector<std::string> items;
    for (int n = from; n <= to; ++n)
        items.push_back(std::to_string(n));
    return items;
}

// The time-out lists: off, then 30 s to 300 s. The Chinese lists say off as
// the Chinese VOX list does.
std::vector<std::string> timeOutItems(const std::string& off)
{
    std::vector<std::string> items{off};
    for (int n = 1; n <= 10; ++n)
        items.push_back(std::to_string(30 * n) + "s");
    return items;
}

// Time-out timer, TX power rank, squelch, beep, voice annunciation, scrambler,
// VOX gain and battery save, all at 0x3C0-0x3C7.
SettingsListsLayout keyRadioSettings()
{
    using Coding = SettingsList::Coding;
    const std::vector<std::string> enable{"Enable", "Disable"};
    const std::vector<std::string> onOff{"开", "关"};
    std::vector<std::string> voxZh = numbered(1, 9);
    voxZh.insert(voxZh.begin(), "无");
    std::vector<std::string> voxEn = numbered(1, 9);
    voxEn.insert(voxEn.begin(), "Off");
    SettingsListsLayout l;
    l.lists = {
        {.englishLabel = "Time-out Timer", .chineseLabel = "发射限时(秒)", .englishItems = timeOutItems("Off"),
         .chineseItems = timeOutItems("关闭"), .offset = 0x3C3},
        {.englishLabel = "TX Power Rank", .chineseLabel = "发射功率(POWER)", .englishItems = numbered(0, 9),
         .offset = 0x3C4, .coding = Coding::Scaled, .scale = 3},
        {.englishLabel = "Squelch Level", .chineseLabel = "静噪等级(SQ)", .englishItems = numbered(0, 9),
         .offset = 0x3C1},
        {.englishLabel = "Beep", .chineseLabel = "报警音提示", .englishItems = enable, .chineseItems = onOff,
         .offset = 0x3C0, .coding = Coding::Bits, .mask = 0x01, .codes = {0x00, 0x01}},
        {.englishLabel = "Voice Annunciation", .chineseLabel = "报号选择", .englishItems = {"Off", "English", "Chinese"},
         .chineseItems = {"无", "英文", "中文"}, .offset = 0x3C0, .coding = Coding::Bits, .mask = 0x18,
         .codes = {0x00, 0x08, 0x18}},
        {.englishLabel = "Scrambler", .chineseLabel = "扰频器激活", .englishItems = {"On", "Off"}, .chineseItems = onOff,
         .offset = 0x3C0, .coding = Coding::Bits, .mask = 0x20, .codes = {0x00, 0x20}},
        {.englishLabel = "VOX Gain Level", .chineseLabel = "VOX增益电平", .englishItems = voxEn, .chineseItems = voxZh,
         .offset = 0x3C7, .beyondList = -1},
        {.englishLabel = "Battery Save", .chineseLabel = "电池省电", .englishItems = enable, .chineseItems = onOff,
         .offset = 0x3C0, .coding = Coding::Bits, .mask = 0x02, .codes = {0x02, 0x00}},
    };
    // Beep, battery save, squelch, time-out, power rank, scrambler, VOX, voice.
    l.writeOrder = {3, 7, 2, 0, 1, 5, 6, 4};
    return l;
}
// --- end of the key-assignment radio's settings dialogs ---------------------------
const std::vector<std::string> kSixteenTypes = {"TL - 160", "TL - 161", "TL - 162", "TL - 163", "TL - 165", "TL - 166",
                                                "TL - 168", "TL - 169", "TL - 260", "TL - 266", "TL - 268"};

// The sixteen-channel form: "Type", "Field" and the 16th channel's scan above
// the table, the "Function Setting" group below it. The ranks give the order
// in which form-to-image writes them: the band width with the channels, then
// warning, scan, VOX, squelch, side button, time-out timer, TX power, band, type.
std::vector<FormList> sixteenChannelForm(int warningSetIndex)
{
    using Coding = FormList::Coding;
    using Place = FormList::Place;
    const std::vector<std::string> digits = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

    FormList type = smallRadioType(kSixteenTypes);
    type.storeRank = 9;
    FormList field = smallRadioField(12, kSixteenFieldItems);
    field.storeRank = 8;
    // Scanning on the 16th channel: bit 2 of 0x3C0, set = "OFF".
    const FormList scan{.label = "Scan Function(16th)", .englishItems = {"OFF", "ON"},
                        .chineseItems = {"关闭", "启动"}, .offset = 0x3C0, .coding = Coding::Bit, .bit = 2,
                        .storeRank = 2};
    // Bit 0 of 0x3C0: the two builds read it oppositely (`warningSetIndex`).
    const FormList warning{.label = "Warning", .englishItems = {"Enable", "Disable"}, .chineseItems = {"打开", "关闭"},
                           .offset = 0x3C0, .coding = Coding::Bit, .bit = 0, .setIndex = warningSetIndex,
                           .initialIndex = 1, .editable = false, .place = Place::FunctionGroup, .storeRank = 1};
    // The rank is stored three times over; 0xFF and other large bytes show 9.
    const FormList power{.label = "TX Power", .englishItems = digits, .offset = 0x3C4, .readableCount = 10,
                         .aboveRange = 9, .scale = 3, .initialIndex = 9, .editable = false,
                         .place = Place::FunctionGroup, .storeRank = 7};
    // Bit 3 of 0x3C0, set = VOX off.
    const FormList vox{.label = "Vox", .englishItems = {"ON", "OFF"}, .chineseItems = {"开", "关"}, .offset = 0x3C0,
                       .coding = Coding::Bit, .bit = 3, .setIndex = 1, .editable = false,
                       .place = Place::FunctionGroup, .storeRank = 3};
    const FormList timeOut{.label = "Time-out Timer", .englishItems = timeOutItems("Off"),
                           .chineseItems = timeOutItems("关闭"), .offset = 0x3C3, .readableCount = 11,
                           .editable = false, .place = Place::FunctionGroup, .storeRank = 6};
    const FormList squelch{.label = "Squelch Level", .englishItems = digits, .offset = 0x3C1, .readableCount = 10,
                           .initialIndex = 4, .editable = false, .place = Place::FunctionGroup, .storeRank = 4};
    // One band width for all channels: bit 2 of the flag byte (set = narrow),
    // read from channel 1's (0x01C), written into all 16 records, empty ones included.
    const FormList bandWidth{.label = "Band  Width", .englishItems = {"Narrow", "Wide"}, .chineseItems = {"窄", "宽"},
                             .offset = 0x01C, .coding = Coding::Bit, .bit = small_radio::kNarrowBit,
                             .repeat = 16, .stride = 16, .initialIndex = 1, .editable = false,
                             .place = Place::FunctionGroup};
    const FormList sideButton{.label = "Side Button",
                              .englishItems = {"SQ OFF Momentary", "SQ OFF", "VOX ON/OFF", "High/Low Power", "None"},
                              .chineseItems = {"瞬时取消静噪", "取消静噪", "声控开关", "高/低功率", "无"},
                              .offset = 0x3C2, .coding = Coding::Code, .codes = {3, 2, 5, 6, 0}, .editable = false,
                              .place = Place::FunctionGroup, .storeRank = 5};
    return {type, field, scan, warning, power, vox, timeOut, squelch, bandWidth, sideButton};
}

// 0x811 is rewritten each time the table is stored.
const std::vector<FormStamp> kStampsAt810 = {{0x811, 0xA8}};
// --- end of the form ------------------------------------------------------------

const char* const kChineseMessageCaption = "写频软件";

Edition twoTone()
{
    Edition e;
    e.id = "cps-twotone";
    e.radio = "full family-A radio with two-tone signalling";
    e.family = Family::TwoTone;
    e.languages = LanguageChoice::AtStartUp;
    e.imageSize = 4096;
    e.channelCount = 128;
    e.recordBase = 0;
    e.nameBase = 0x850;
    e.columns = kTwoToneColumns;
    e.signallingValues = {0x1, 0x2, 0x4, 0x8};
    e.newChannel = familyANewChannel(1);
    e.gridEnterLeavesAt = Column::Scan;
    e.frequencyRule = kWideSteps;
    e.link = {.readBlocks = 508, .writeBlocks = 508, .progressMax = 507, .readStepBelow = 507,
              .writeStepBelow = 507, .readFinal = 507, .writeFinal = 507, .readAckPauseMs = 15,
              .readPumpPasses = 19, .readAfterPassesMs = 5, .writePumpPasses = 21, .startAckFailPasses = 601,
              .typeCheckOffset = 0x81B};
    e.createsIniFile = true;
    e.hasTwoTone = true;
    e.menus = twoToneMenus();
    e.chineseWindow.messageCaption = kChineseMessageCaption;
    // 0x81B, which the radio-type check compares, is not among the defaults: it stays 0xFF.
    e.newDocument = {
        {0x80A, {0xF0, 0x38}},
        {0x810, {0xC0, 0xA8, 0xC4, 0x05, 0x00, 0x00, 0x03, 0x04, 0x00, 0x09, 0x01}},
        {0x81D, {0x00}},
    };
    const std::vector<BytePatch> twoTone = {
        {0xEC4, {0x64}},
        {0xEC3, {0x00}},
        {0xEC6, {0xC8}},
        {0xEC5, {0x00}},
        {0xEC0, {0x05, 0x06, 0x07}},
        {0xE00, std::vector<std::uint8_t>(0x80, 0x00)},
        {0xE80, {0x10, 0x10, 0x10, 0x10, 0x08, 0x08, 0x08, 0x08}, 8, 8},
        {0x00C, {0x00}, 128, 16},
        {0x00E, {0x00, 0x00}, 128, 16},
    };
    e.newDocument.insert(e.newDocument.end(), twoTone.begin(), twoTone.end());
    e.optionalFeatures = OptionalFeaturesLayout{};
    e.english = twoToneEnglishTexts();
    e.chinese = twoToneChineseTexts();
    e.formLists = familyAForm(kSettingsAt810);
    e.formStamps = kStampsAt810;
    e.report = twoToneReportPlan();
    return e;
}

Edition ccir()
{
    Edition e;
    e.id = "cps-ccir";
    e.radio = "family-A radio with MSK/DTMF/CCIR signalling";
    e.family = Family::FamilyA;
    e.languages = LanguageChoice::AtStartUp;
    e.imageSize = 3168;
    e.channelCount = 128;
    e.nameBase = 0x850;
    e.columns = kNamedColumns;
    e.signallingValues = {1, 0, 2, 4};  // "None", "MSK", "DTMF", "CCIR"
    e.unknownSignallingValue = 1;       // an empty cell is "None", not "MSK"
    e.newChannel = familyANewChannel(2);
    e.gridEnterLeavesAt = Column::Scan;
    e.frequencyRule = kWideSteps;
    e.link = {.readBlocks = 394, .writeBlocks = 394, .progressMax = 394, .readStepBelow = 394,
              .writeStepBelow = 394, .readFinal = 394, .writeFinal = 394, .readAckPauseMs = 15,
              .readPumpPasses = 19, .readAfterPassesMs = 0, .writePumpPasses = 21, .startAckFailPasses = 601};
    e.createsIniFile = true;
    e.newDocument = familyASettings(0x38, 0x01, 0xFF);
    // The same dialog without the hidden key lists.
    e.menus = familyAMenus();
    e.chineseWindow.messageCaption = kChineseMessageCaption;
    e.optionalFeatures = OptionalFeaturesLayout{};
    e.optionalFeatures->pf1.reset();
    e.optionalFeatures->pf2.reset();
    e.english = withColumns(twoToneEnglishTexts(), e.columns);
    e.english.signalling = {"None", "MSK", "DTMF", "CCIR"};
    e.chinese = withColumns(twoToneChineseTexts(), e.columns);
    e.chinese.signalling = e.english.signalling;
    e.formLists = familyAForm(kSettingsAt810);
    e.formStamps = kStampsAt810;
    e.report = optionalFeaturesReportPlan(*e.optionalFeatures, 5);
    return e;
}

Edition brand()
{
    Edition e = ccir();
    e.id = "cps-brand";
    e.radio = "family-A radio with DTMF/FleetSync signalling";
    e.languages = LanguageChoice::EnglishOnly;
    e.signallingValues = {0, 2, 4};  // "None", "DTMF", "FleetSync"
    e.optionalFeatures.reset();      // the signalling edition has a dialog of its own
    e.signallingFeatures = kSignallingFeaturesAt810;
    e.brandedFromIni = true;
    e.unknownSignallingValue = 0;
    e.newChannel = familyANewChannel(1);
    e.newDocument = familyASettings(0x39, 0x00, 0x00);
    e.english.signalling = {"None", "DTMF", "FleetSync"};
    e.chinese = {};
    e.report = signallingFeaturesReportPlan(*e.signallingFeatures, 5);
    return e;
}

Edition fleet()
{
    Edition e = brand();
    e.id = "cps-fleet";
    e.radio = "smaller family-A radio with DTMF/FleetSync signalling";
    e.imageSize = 2048;
    e.channelCount = 118;
    e.recordBase = 0x010;  // channel n at 16 * n
    e.nameBase.reset();
    e.columns = kUnnamedColumns;
    e.frequencyRule = kTwoSteps;
    e.link = {.readBlocks = 256, .writeBlocks = 252, .progressMax = 255, .readStepBelow = 251,
              .writeStepBelow = 250, .readFinal = 255, .writeFinal = 252, .readAckPauseMs = 0,
              .readPumpPasses = 9, .readAfterPassesMs = 0, .writePumpPasses = 201, .startAckFailPasses = 601,
              .typeCheckOffset = 0x7DB};
    e.createsIniFile = false;
    e.newDocument = kFleetNewDocument;
    e.signallingFeatures = signallingFeaturesAt7D0();
    e.brandedFromIni = false;
    e.formLists = familyAForm(kSettingsAt7D0);
    e.formStamps.clear();
    e.english = withColumns(twoToneEnglishTexts(), e.columns);
    e.english.signalling = {"None", "DTMF", "FleetSync"};
    e.english.entry.offStepOnLeave = "Error data Value，Please input according the step value(6.25K/5k)";
    e.english.entry.offStepOnEnter = e.english.entry.offStepOnLeave;
    e.report = signallingFeaturesReportPlan(*e.signallingFeatures, 4);
    return e;
}

EditionTexts familyAChineseOnly(const std::vector<Column>& columns)
{
    EditionTexts t = withColumns(twoToneChineseTexts(), columns);
    t.signalling = {"无", "DTMF", "队列同步"};
    t.link.detecting = "正在检测通讯端口,请等待...";
    t.link.waiting = "正在等待对讲机响应....";
    t.entry.offStepOnLeave = "输入数据错误，请按6.25K或 5k的倍数重新输入";
    t.entry.offStepOnEnter = t.entry.offStepOnLeave;
    return t;
}

Edition cn2()
{
    Edition e = brand();
    e.id = "cps-cn2";
    e.radio = "family-A radio with DTMF/FleetSync signalling, Chinese texts";
    e.languages = LanguageChoice::ChineseOnly;
    e.frequencyRule = kTwoSteps;
    e.bands = kFieldBands;
    e.link.writePumpPasses = 201;
    e.link.readPumpPasses = 199;
    e.link.readFinal = 393;
    e.link.writeFinal = 393;
    e.createsIniFile = false;
    e.newDocument = familyASettings(0x38, 0x00, 0x00);
    e.brandedFromIni = false;
    e.english = {};
    e.chinese = familyAChineseOnly(e.columns);
    e.chineseWindow.aboutProgram = " TL系列写频软件2.0 版";
    // This build writes the first band with its blanks elsewhere.
    FormList& field = *std::find_if(e.formLists.begin(), e.formLists.end(),
                                    [](const FormList& l) { return l.label == "Field"; });
    field.chineseItems = kFieldItems;
    field.chineseItems.front() = " 67 -  72MHz";
    e.chinese.entry.outOfBand = "超出频率范围!";
    e.chinese.entry.outOfBandCaption = "温馨提示";
    return e;
}

Edition cn10()
{
    Edition e = fleet();
    e.id = "cps-cn10";
    e.radio = "smaller family-A radio with DTMF/FleetSync signalling, Chinese texts";
    e.languages = LanguageChoice::ChineseOnly;
    e.link.typeCheckOffset.reset();
    e.link.readAckPauseMs = 15;
    e.link.readPumpPasses = 199;
    e.link.readAfterPassesMs = 5;
    e.english = {};
    e.chinese = familyAChineseOnly(e.columns);
    e.chineseWindow.aboutProgram = "  TL系列写频软件10.0 版";
    return e;
}

Edition keys()
{
    Edition e;
    e.id = "cps-keys";
    e.radio = "16-channel radio with two programmable side keys";
    e.family = Family::KeyAssignment;
    e.languages = LanguageChoice::EnglishOnly;
    e.imageSize = 1024;
    e.channelCount = 16;
    e.recordBase = 0x010;
    e.columns = kKeyColumns;
    e.unusedChannelsShowTones = true;
    e.newChannel = {.busy = small_radio::kBusyNo, .wide = true, .scan = true, .highPower = true};
    e.listEnterGoesToNextRow = true;
    e.listsClearedOnlyWithoutTones = true;
    e.frequencyRule = kSmallRadio;
    e.link = {.readBlocks = 128, .writeBlocks = 123, .progressMax = 123, .readStepBelow = 123,
              .writeStepBelow = 122, .readFinal = 123, .writeFinal = 123, .readAckPauseMs = 15,
              .readPumpPasses = 199, .readAfterPassesMs = 20, .writePumpPasses = 201, .startAckFailPasses = 601,
              .passwordCheck = true};
    e.passwordOffset = 0x000;
    e.testModeBaseMHz = 450;
    e.settingsLists = keyRadioSettings();
    e.keyAssignment = KeyAssignmentLayout{};
    e.newDocument = {
        {0x01C, {0xFB}, 16, 16},
        {0x3C0, {0x2F, 0x05, 0x03, 0x00, 0xFF, 0x12, 0x78, 0x00, 0x01, 0x00, 0x00}},
        {0x3D2, {0xEE, 0x37}},
    };
    e.english = keyAssignmentEnglishTexts();
    // The Chinese build writes the first band without its leading blanks.
    std::vector<std::string> chineseBands = kFieldItems;
    chineseBands.front() = "67 - 72MHz";
    e.formLists = {smallRadioType(kKeyAssignmentTypes), smallRadioField(10, kFieldItems, chineseBands)};
    e.englishWindow = {"Tolvan Radio Programming Software", "Tolvan Communication Software-4.0"};
    e.chineseWindow = e.englishWindow;
    e.chineseWindow.messageCaption = kChineseMessageCaption;
    e.menus = keyAssignmentMenus();
    e.report = keyAssignmentReportPlan(*e.settingsLists);
    return e;
}

Edition keysChinese()
{
    Edition e = keys();
    e.id = "cps-keys-cn";
    e.radio = "16-channel radio with two programmable side keys, Chinese texts";
    e.languages = LanguageChoice::ChineseOnly;
    EditionTexts t = keyAssignmentEnglishTexts();
    t.headers = {"频道", "接收频率(MHz)", "发射频率(MHz)", "接收信令", "发射信令", "繁忙锁定", "发射功率", "宽/窄", "扫描添加"};
    t.power = {{"高", "低"}, 0};
    t.bandwidth = {{"宽", "窄"}, 0};
    t.scan = {{"是", "否"}, 0};
    t.busy = {{"是", "否"}, 0};
    const EditionTexts zh = twoToneChineseTexts();
    t.link = zh.link;
    t.link.detecting = "现在正在检查通信串口,请稍等...";
    t.link.waiting = "正在等待对讲机响应....";
    t.link.readNoAck = "Error had happen,please try again";
    t.link.passwordIncorrect = "Password incorrect";
    t.link.readTitle = "正在读数据";
    t.link.writeTitle = "正在写数据";
    t.entry.pleaseInputNumber = zh.entry.pleaseInputNumber;
    t.entry.outOfRange = zh.entry.outOfRange;
    t.entry.offStepOnLeave = "输入数据错误，请按6.25K/5k/2.5k的倍数重新输入";
    t.entry.offStepOnEnter = t.entry.offStepOnLeave;
    e.english = {};
    e.chinese = t;
    // Typing into these lists' edit fields snaps them back: time-out timer,
    // power rank, squelch and beep.
    const std::pair<std::size_t, int> resets[] = {{0, 2}, {1, 9}, {2, 4}, {3, 1}};
    for (const auto& [list, index] : resets)
        e.settingsLists->lists.at(list).typingReset = index;
    e.windowSize = {800, 1100};
    e.testModeLanguage = Language::English;
    return e;
}

Edition sixteen()
{
    Edition e = keys();
    e.id = "cps16";
    e.radio = "16-channel series radio, settings on the main form";
    e.family = Family::SixteenChannel;
    e.columns = kSixteenColumns;
    e.newChannel = {.busy = small_radio::kBusyNo};
    e.link.readAckPauseMs = 0;
    e.link.readPumpPasses = 9;
    e.link.readAfterPassesMs = 0;
    e.link.startAckFailPasses = 11;
    e.link.passwordCheck = false;
    e.passwordOffset.reset();
    e.settingsLists.reset();
    e.keyAssignment.reset();
    e.newDocument = {
        {0x01C, {0xFB}},
        {0x3C0, {0xF7, 0x05, 0x03, 0x00, 0xFF, 0x0A}},
        {0x3C8, {0x01, 0x00, 0x00}},
        {0x3D2, {0xF5, 0x37}},
    };
    e.english.headers = {"CH", "Receive(MHz)", "Transmit(MHz)", "Rx Tone", "Tx Tone", "Busy"};
    e.formLists = sixteenChannelForm(1);  // bit 0 set shows "Disable"
    e.englishWindow = {"Tolvan Serials Radio Programing Software", "Tolvan Communication Software-1.5"};
    e.chineseWindow = {"TL系列专业手持对讲机写频软件", "Tolvan Communication Software-1.5"};
    e.menus = sixteenChannelMenus();
    e.report = sixteenChannelReportPlan();
    return e;
}

Edition sixteenChinese()
{
    Edition e = sixteen();
    e.id = "cps16-cn";
    e.radio = "16-channel series radio, settings on the main form, Chinese texts";
    e.languages = LanguageChoice::ChineseOnly;
    e.link.writePumpPasses = 11;
    e.testModeBaseMHz.reset();
    e.formLists = sixteenChannelForm(0);  // bit 0 set shows "打开"
    e.chineseWindow.fileType = "写频数据 文件 (*.sin)";
    e.newDocument = {
        {0x01C, {0xFB}},
        {0x3C0, {0xF7, 0x05, 0x03, 0x00, 0xFF, 0x0A}},
        {0x3D2, {0xF5, 0x37}},
    };
    EditionTexts t = keysChinese().chinese;
    t.headers = {"信道", "接收频率", "发射频率", "接收信令", "发射信令", "是否禁发"};
    t.link.detecting = "正在检测通讯端口，请等待...";
    t.link.readNoAck = "接收出错中断，请重试";
    t.entry.offStepOnLeave = "输入数据错误，请按6.25K或 5k的倍数重新输入";
    t.entry.offStepOnEnter = t.entry.offStepOnLeave;
    e.english = {};
    e.chinese = t;
    return e;
}

} // namespace

WindowSize WindowSize::fittedTo(int availableWidth, int availableHeight) const
{
    if (availableWidth <= 0 || availableHeight <= 0 || (width <= availableWidth && height <= availableHeight))
        return *this;
    // The side that overflows most decides the scale; 64 bits keep the products exact.
    const std::int64_t w = width, h = height;
    if (w * availableHeight >= h * availableWidth)
        return {availableWidth, static_cast<int>(h * availableWidth / w)};
    return {static_cast<int>(w * availableHeight / h), availableHeight};
}

Language Edition::uiLanguage(Language decided) const
{
    switch (languages) {
    case LanguageChoice::AtStartUp:
        return decided;
    case LanguageChoice::EnglishOnly:
        return Language::English;
    case LanguageChoice::ChineseOnly:
        return Language::Chinese;
    }
    return decided;
}

const EditionTexts& Edition::texts(Language decided) const
{
    return uiLanguage(decided) == Language::English ? english : chinese;
}

const std::vector<const Edition*>& allEditions()
{
    static const std::vector<Edition> editions = {twoTone(), ccir(),  brand(), fleet(),   cn2(),
                                                  cn10(),    keys(),  keysChinese(), sixteen(), sixteenChinese()};
    static const std::vector<const Edition*> pointers = [] {
        std::vector<const Edition*> p;
        for (const Edition& e : editions)
            p.push_back(&e);
        return p;
    }();
    return pointers;
}

const Edition* findEdition(std::string_view id)
{
    for (const Edition* e : allEditions())
        if (e->id == id)
            return e;
    return nullptr;
}

MemoryImage newDocumentImage(const Edition& edition)
{
    MemoryImage image(edition.imageSize);
    for (const BytePatch& patch : edition.newDocument)
        for (int k = 0; k < patch.repeat; ++k)
            image.write(patch.offset + static_cast<std::size_t>(k) * patch.stride, patch.bytes);
    return image;
}

} // namespace tolvan

// The family-A radios without two-tone: cps-ccir, cps-brand, cps-fleet, cps-cn2, cps-cn10.

#include "editions/edition_parts.h"
#include "editions/family_a_record.h"

#include <algorithm>

namespace tolvan::edition_parts {
namespace {

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

} // namespace

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

} // namespace tolvan::edition_parts

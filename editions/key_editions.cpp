// The key-assignment radio (cps-keys, cps-keys-cn).

#include "editions/edition_parts.h"
#include "editions/small_radio_record.h"

namespace tolvan::edition_parts {
namespace {

const std::vector<std::string> kKeyAssignmentTypes = {"TL - 700"};

// Time-out timer, TX power rank, squelch, beep, voice annunciation, scrambler,
// VOX gain and battery save, all at 0x3C0-0x3C7.
SettingsListsLayout keyRadioSettings()
{
    using Coding = FormList::Coding;
    const std::vector<std::string> enable{"Enable", "Disable"};
    const std::vector<std::string> onOff{"开", "关"};
    std::vector<std::string> voxZh = numbered(1, 9);
    voxZh.insert(voxZh.begin(), "无");
    std::vector<std::string> voxEn = numbered(1, 9);
    voxEn.insert(voxEn.begin(), "Off");
    // A byte holding the index of its item; one beyond them shows `beyond`.
    const auto byIndex = [](FormList l, int beyond) {
        l.readableCount = static_cast<int>(l.englishItems.size());
        l.aboveRange = beyond;
        l.keepsWithoutChoice = true;
        return l;
    };
    SettingsListsLayout l;
    // OK writes beep, battery save, squelch, time-out, power rank, scrambler,
    // VOX, voice (the store ranks).
    l.lists = {
        byIndex({.label = "Time-out Timer", .chineseLabel = "发射限时(秒)", .englishItems = timeOutItems("Off"),
                 .chineseItems = timeOutItems("关闭"), .offset = 0x3C3, .storeRank = 3}, 0),
        // The byte is the rank x 3; shown as byte / 3, at most the last rank.
        byIndex({.label = "TX Power Rank", .chineseLabel = "发射功率(POWER)", .englishItems = numbered(0, 9),
                 .offset = 0x3C4, .scale = 3, .storeRank = 4}, 9),
        byIndex({.label = "Squelch Level", .chineseLabel = "静噪等级(SQ)", .englishItems = numbered(0, 9),
                 .offset = 0x3C1, .storeRank = 2}, 0),
        {.label = "Beep", .chineseLabel = "报警音提示", .englishItems = enable, .chineseItems = onOff,
         .offset = 0x3C0, .coding = Coding::Code, .mask = 0x01, .codes = {0x00, 0x01}, .storeRank = 0},
        {.label = "Voice Annunciation", .chineseLabel = "报号选择", .englishItems = {"Off", "English", "Chinese"},
         .chineseItems = {"无", "英文", "中文"}, .offset = 0x3C0, .coding = Coding::Code, .mask = 0x18,
         .codes = {0x00, 0x08, 0x18}, .storeRank = 7},
        {.label = "Scrambler", .chineseLabel = "扰频器激活", .englishItems = {"On", "Off"}, .chineseItems = onOff,
         .offset = 0x3C0, .coding = Coding::Code, .mask = 0x20, .codes = {0x00, 0x20}, .storeRank = 5},
        byIndex({.label = "VOX Gain Level", .chineseLabel = "VOX增益电平", .englishItems = voxEn, .chineseItems = voxZh,
                 .offset = 0x3C7, .storeRank = 6}, -1),
        {.label = "Battery Save", .chineseLabel = "电池省电", .englishItems = enable, .chineseItems = onOff,
         .offset = 0x3C0, .coding = Coding::Code, .mask = 0x02, .codes = {0x02, 0x00}, .storeRank = 1},
    };
    return l;
}
} // namespace

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

} // namespace tolvan::edition_parts

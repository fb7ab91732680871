// The sixteen-channel radios (cps16, cps16-cn).

#include "editions/edition_parts.h"
#include "editions/small_radio_record.h"

namespace tolvan::edition_parts {
namespace {

const std::vector<std::string> kSixteenFieldItems = {"150-174MHz", "136-150MHz", "136-174MHz", "340-360MHz",
                                                     "350-370MHz", "370-390MHz", "406-430MHz", "430-450MHz",
                                                     "450-470MHz", "400-470MHz", "470-490MHz", "490-512MHz"};

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

} // namespace

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

} // namespace tolvan::edition_parts

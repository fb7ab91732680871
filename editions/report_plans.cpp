// The printed reports of the editions, as data.

#include "editions/edition.h"
#include "editions/report_plan.h"
#include "editions/settings_texts.h"

#include <algorithm>
#include <stdexcept>

namespace tolvan {

const std::string& ReportText::in(Language language) const
{
    return language == Language::English ? english : chinese;
}

const ReportChannelLayout& ReportPlan::channels(Language language) const
{
    return language == Language::English ? englishChannels : chineseChannels;
}

std::size_t ReportItem::byteCount() const
{
    switch (source) {
    case ReportSource::ByteChoice:
    case ReportSource::ByteNumber:
        return 1;
    case ReportSource::Code:
        return 16;
    case ReportSource::IdDigits:
    case ReportSource::IdText:
        return 8;
    case ReportSource::Label:
    case ReportSource::TypeList:
    case ReportSource::FieldList:
    case ReportSource::TxPowerRankList:
    case ReportSource::FormList:
        break;
    }
    return 0;
}

namespace {

ReportText same(const std::string& text)
{
    return {text, text};
}

// "Enable"/"Disable" of one flag bit, with the Chinese pair of that item.
ReportItem bitState(int x, ReportText label, SettingsBit b, const char* zhOn, const char* zhOff)
{
    const auto mask = static_cast<std::uint8_t>(1u << b.bit);
    return {.x = x, .label = std::move(label), .source = ReportSource::ByteChoice, .offset = b.offset, .mask = mask,
            .choices = {{mask, {"Enable", zhOn}}}, .otherwise = {"Disable", zhOff}};
}

// The function-key codes as the report names them (not as the settings dialog lists them).
ReportItem functionKey(int x, ReportText label, std::size_t offset)
{
    return {.x = x, .label = std::move(label), .source = ReportSource::ByteChoice, .offset = offset,
            .choices = {{1, {"Autodial", "自动拨号"}},
                        {2, {"Key Lock", "按键锁定"}},
                        {3, {"Monitor", "监听"}},
                        {4, {"Monitor Momentary", "监听瞬时"}},
                        {5, {"Scrambler", "扰频器"}}},
            .otherwise = {"None", "无"}};
}

ReportItem number(int x, ReportText label, std::size_t offset, NumberRule rule)
{
    return {.x = x, .label = std::move(label), .source = ReportSource::ByteNumber, .offset = offset,
            .number = std::move(rule)};
}

ReportItem fromSource(int x, ReportText label, ReportSource source, std::size_t offset = 0)
{
    return {.x = x, .label = std::move(label), .source = source, .offset = offset};
}

// The current text of the form's list labelled `list`.
ReportItem fromList(int x, ReportText label, std::string list)
{
    return {.x = x, .label = std::move(label), .source = ReportSource::FormList, .list = std::move(list)};
}

const std::vector<ReportPagePlan> kFamilyAPages = {
    {{"The Radio Settings", "整机设置"}, true, 1, 22},
    {{"The Second Page", "第二页"}, false, 23, 54},
    {{"The Third Page", "第三页"}, false, 55, 86},
    {{"The Fourth Pages", "第四页"}, false, 87, 118},
    {{"The Fifth Pages", "第五页"}, false, 119, 128},
};

// ---- Family A: the items every block prints in the report's own words ----

ReportItem typeItem() { return fromSource(2, {"Type:   ", "机型:   "}, ReportSource::TypeList); }
ReportItem fieldItem() { return fromSource(25, {"Frequency Field:", "频段:"}, ReportSource::FieldList); }
ReportItem powerRankItem() { return fromSource(25, {"TX power rank: ", "发射功率等级: "}, ReportSource::TxPowerRankList); }

ReportItem squelchItem(int x, std::size_t offset)
{
    return number(x, {"Squelch Level: ", "静噪等级: "}, offset, {.low = 0, .high = 9, .width = 2, .outside = same("0")});
}

// `outside`: what a byte above 10 prints.
ReportItem voxGainItem(int x, std::size_t offset, const char* outside)
{
    return number(x, {"Vox Gain Level:", "Vox 增益电平:"}, offset,
                  {.low = 1, .high = 10, .width = 2, .zero = same("OFF"), .outside = same(outside)});
}

ReportItem totalTxTimeItem(int x, std::size_t offset)
{
    return number(x, {"Total Tx Time(s):", "发射时间(s):"}, offset,
                  {.low = 1, .high = 40, .multiplier = 15, .outside = same("OFF")});
}

ReportItem beepItem(int x, SettingsBit b) { return bitState(x, {"Beep Warning: ", "报警音提示: "}, b, "打开", "关闭"); }
ReportItem scramblerItem(int x, SettingsBit b)
{
    return bitState(x, {"Scrambler Activation:", "扰频器激活:"}, b, "打开", "关闭");
}
ReportItem voxFunctionItem(int x, SettingsBit b) { return bitState(x, {"Vox Function:", "Vox 功能:"}, b, "打开", "关闭"); }
ReportItem batterySaveItem(int x, SettingsBit b) { return bitState(x, {"Battery Save:", "电池省电:"}, b, "启动", "关闭"); }
ReportItem voxInhibitItem(int x, SettingsBit b)
{
    return bitState(x, {"Vox inhibit on recieve:", "接收时禁止VOX:"}, b, "使能", "不使能");
}

// ---- The full radio: the block's own table ----

std::vector<std::vector<ReportItem>> twoToneSettingsLines()
{
    constexpr std::size_t flags = 0x812;
    return {
        {typeItem(), fieldItem()},
        {functionKey(2, same("Pf1:   "), 0x810), functionKey(25, same("Pf2: "), 0x811), beepItem(50, {flags, 4})},
        {squelchItem(2, 0x813), powerRankItem(), scramblerItem(50, {flags, 2})},
        {voxFunctionItem(2, {flags, 5}), voxGainItem(25, 0x815, "0"),
         {.x = 50, .label = {"Vox Delay Time: ", "Vox 延迟时间(秒): "}, .source = ReportSource::ByteChoice,
          .offset = 0x816,
          .choices = {{1, same("0.5s")}, {2, same("1.0s")}, {3, same("1.5s")}, {4, same("2.0s")}, {5, same("3.0s")}},
          .otherwise = same("0.3s")}},
        {{.x = 2, .label = same("PTT ID: "), .source = ReportSource::ByteChoice, .offset = flags, .mask = 0x03,
          .choices = {{0, same("BOT")}, {1, same("EOT")}}, .otherwise = same("BOTH")},
         batterySaveItem(25, {flags, 3}), totalTxTimeItem(50, 0x814)},
        {fromSource(2, {"Begin of Tx:", "发射开始:"}, ReportSource::Code, 0x7B0),
         fromSource(35, {"End of Tx:  ", "发射结束:"}, ReportSource::Code, 0x7C0)},
        {voxInhibitItem(2, {flags, 6})},
    };
}

// ---- The other family-A radios: what their own dialog stores ----

// A setting the report had no words for: the dialog's label.
ReportText dialogLabel(const std::string& english, const std::string& chinese)
{
    return {english + ": ", chinese + ": "};
}

// A list of the dialog: the item each stored value (`codes`, parallel to the
// items) shows, `otherwise` where the dialog shows another or none.
ReportItem dialogList(int x, ReportText label, std::size_t offset, std::uint8_t mask,
                      const std::vector<std::uint8_t>& codes, const std::vector<std::string>& english,
                      const std::vector<std::string>& chinese, ReportText otherwise)
{
    ReportItem item{.x = x, .label = std::move(label), .source = ReportSource::ByteChoice, .offset = offset,
                    .mask = mask, .otherwise = std::move(otherwise)};
    for (std::size_t i = 0; i < codes.size() && i < english.size() && i < chinese.size(); ++i)
        item.choices.push_back({codes[i], {english[i], chinese[i]}});
    return item;
}

// A list whose byte is the item's index; any other byte shows the first item.
ReportItem dialogIndexList(int x, ReportText label, std::size_t offset, const std::vector<std::string>& english,
                           const std::vector<std::string>& chinese)
{
    std::vector<std::uint8_t> codes;
    for (std::size_t i = 0; i < english.size(); ++i)
        codes.push_back(static_cast<std::uint8_t>(i));
    return dialogList(x, std::move(label), offset, 0xFF, codes, english, chinese, {english.at(0), chinese.at(0)});
}

ReportItem checkState(int x, ReportText label, SettingsBit b) { return bitState(x, std::move(label), b, "打开", "关闭"); }

// The Optional Features dialog of the full design without its hidden key
// lists (PF1's byte carries the priority channel). Its radio-wide settings
// keep the block's places; Begin and End of Tx take the places of the key
// lists, the priority channel and the signal mode those of the VOX function
// and delay (the signal mode's byte holds the delay in the other radios), and
// the six identity codes fill the last two lines. A byte beyond
// a list prints the item the dialog then shows (a VOX gain above 10: "OFF").
std::vector<std::vector<ReportItem>> optionalFeaturesSettingsLines(const OptionalFeaturesLayout& l)
{
    const OptionalFeaturesTexts en = optionalFeaturesTexts(Language::English);
    const OptionalFeaturesTexts zh = optionalFeaturesTexts(Language::Chinese);
    auto label = [&](std::string OptionalFeaturesTexts::*text) { return dialogLabel(en.*text, zh.*text); };
    // Code 1 is never written; the dialog shows it as its first item, like 3.
    std::vector<std::uint8_t> languageCodes = l.languageCodes;
    std::vector<std::string> languageEn = en.languageItems, languageZh = zh.languageItems;
    languageCodes.push_back(1);
    languageEn.push_back(en.languageItems.at(0));
    languageZh.push_back(zh.languageItems.at(0));
    using T = OptionalFeaturesTexts;
    return {
        {typeItem(), fieldItem()},
        {checkState(2, label(&T::beginOfTx), l.beginOfTx), checkState(25, label(&T::endOfTx), l.endOfTx),
         beepItem(50, l.beep)},
        {squelchItem(2, l.squelch), powerRankItem(), scramblerItem(50, l.scrambler)},
        {number(2, label(&T::priorityChannel), l.priorityChannel, {.low = 1, .high = 128, .outside = same("")}),
         voxGainItem(25, l.voxGain, "OFF"),
         dialogIndexList(50, label(&T::signalMode), l.signalMode, en.signalModeItems, zh.signalModeItems)},
        {dialogList(2, label(&T::language), l.flags, 0x03, languageCodes, languageEn, languageZh, same("")),
         batterySaveItem(25, l.batterySave), totalTxTimeItem(50, l.timeOut)},
        {fromSource(2, label(&T::groupId), ReportSource::IdDigits, l.groupId),
         fromSource(25, label(&T::id), ReportSource::IdText, l.id),
         fromSource(50, label(&T::callId), ReportSource::IdText, l.callId)},
        {fromSource(2, label(&T::checkId), ReportSource::IdText, l.checkId),
         fromSource(25, label(&T::killId), ReportSource::IdText, l.killId),
         fromSource(50, label(&T::listenId), ReportSource::IdText, l.listenId)},
    };
}

// The DTMF/FleetSync radios' dialog: the block's items where they were, read
// from the dialog's bytes; the language where the block printed its bits as
// "PTT ID"; the PTT ID and ANI code where the block printed two codes, with
// Begin and End of Tx under each other at the right. A radio whose dialog
// hides the codes leaves their line empty, so every block keeps seven lines.
std::vector<std::vector<ReportItem>> signallingFeaturesSettingsLines(const SignallingFeaturesLayout& l)
{
    const SignallingFeaturesTexts en = signallingFeaturesTexts(Language::English, l);
    const SignallingFeaturesTexts zh = signallingFeaturesTexts(Language::Chinese, l);
    auto label = [&](std::string SignallingFeaturesTexts::*text) { return dialogLabel(en.*text, zh.*text); };
    using T = SignallingFeaturesTexts;
    std::vector<std::string> delaysEn, delaysZh;
    for (std::size_t i = 0; i < en.voxDelayItems.size(); ++i) {
        delaysEn.push_back(en.voxDelayItems[i] + "s");
        delaysZh.push_back(zh.voxDelayItems.at(i) + "s");
    }
    std::vector<ReportItem> codes, last{voxInhibitItem(2, l.voxInhibit)};
    if (l.pttId)
        codes.push_back(fromSource(2, label(&T::pttId), ReportSource::IdDigits, *l.pttId));
    if (l.aniCode)
        codes.push_back(fromSource(25, label(&T::aniCode), ReportSource::IdText, *l.aniCode));
    if (l.beginOfTx)
        codes.push_back(checkState(50, label(&T::beginOfTx), *l.beginOfTx));
    if (l.endOfTx)
        last.push_back(checkState(50, label(&T::endOfTx), *l.endOfTx));
    return {
        {typeItem(), fieldItem()},
        {dialogIndexList(2, same("Pf1:   "), l.pf1, en.keyItems, zh.keyItems),
         dialogIndexList(25, same("Pf2: "), l.pf2, en.keyItems, zh.keyItems), beepItem(50, l.beep)},
        {squelchItem(2, l.squelch), powerRankItem(), scramblerItem(50, l.scrambler)},
        {voxFunctionItem(2, l.voxFunction), voxGainItem(25, l.voxGain, "OFF"),
         dialogIndexList(50, {"Vox Delay Time: ", "Vox 延迟时间(秒): "}, l.voxDelay, delaysEn, delaysZh)},
        {dialogList(2, label(&T::language), l.flags, 0x03, l.languageCodes, en.languageItems, zh.languageItems,
                    {en.languageItems.at(0), zh.languageItems.at(0)}),
         batterySaveItem(25, l.batterySave), totalTxTimeItem(50, l.timeOut)},
        codes,
        last,
    };
}

const ReportChannelLayout kFamilyAEnglishChannels = {
    .header = {{0, ""}, {-1, "   "}, {-1, "Rx(MHz)"}, {-1, "   "}, {-1, "Tx(MHz)"}, {-1, "    "}, {3, ""}, {-1, "  "},
               {4, ""}, {-1, "  "}, {-1, "W/N"}, {-1, "    "}, {-1, "Scan Add"}, {-1, "   "}, {-1, "Tx Power"},
               {-1, "   "}, {-1, "Opt Signal"}, {-1, "   "}, {-1, "PTTID"}, {-1, "   "}, {-1, "Busy"}},
    .columnX = {1, 5, 14, 24, 32, 40, 46, 55, 64, 74, 82},
};

const ReportChannelLayout kFamilyAChineseChannels = {
    .header = {{0, ""}, {-1, "   "}, {-1, "接收频率"}, {-1, "     "}, {-1, "发射频率"}, {-1, "     "}, {3, ""},
               {-1, "   "}, {4, ""}, {-1, "   "}, {-1, "宽/窄"}, {-1, "     "}, {-1, "扫描添加"}, {-1, "    "},
               {-1, "发射功率"}, {-1, "   "}, {-1, "可选信令"}, {-1, "     "}, {-1, "PTTID"}, {-1, "   "},
               {-1, "繁忙锁定"}},
    .columnX = {1, 5, 14, 25, 33, 40, 46, 54, 62, 70, 78},
};

ReportPlan familyAPlan(std::vector<std::vector<ReportItem>> settingsLines, int pageCount)
{
    ReportPlan plan;
    const auto count = static_cast<std::size_t>(std::clamp(pageCount, 0, static_cast<int>(kFamilyAPages.size())));
    plan.pages.assign(kFamilyAPages.begin(), kFamilyAPages.begin() + static_cast<std::ptrdiff_t>(count));
    plan.settingsHeading = {"Function Setting:", "功能设置:"};
    plan.settingsLines = std::move(settingsLines);
    plan.channelHeading = {"Channel Setting:", "频道设置:"};
    plan.englishChannels = kFamilyAEnglishChannels;
    plan.chineseChannels = kFamilyAChineseChannels;
    return plan;
}

// ---- The two 16-channel families: one page, settings from 0x3C0 ----

constexpr std::size_t kFlags = 0x3C0;
constexpr std::size_t kSquelch = 0x3C1;
constexpr std::size_t kTimeOut = 0x3C3;
constexpr std::size_t kPowerRank = 0x3C4;
constexpr std::size_t kSideButton2 = 0x3C5;
constexpr std::size_t kSideButton3 = 0x3C6;
constexpr std::size_t kVoxGain = 0x3C7;

// "30s" ... "300s" for 1-10, `off` otherwise.
ReportItem timeOut(int x, ReportText label, const char* off)
{
    ReportItem item{.x = x, .label = std::move(label), .source = ReportSource::ByteChoice, .offset = kTimeOut,
                    .otherwise = same(off)};
    for (int n = 1; n <= 10; ++n)
        item.choices.push_back({static_cast<std::uint8_t>(n), same(std::to_string(30 * n) + "s")});
    return item;
}

// The stored rank is three times the list index.
ReportItem powerRank(int x, ReportText label)
{
    return number(x, std::move(label), kPowerRank, {.divisor = 3, .ceiling = 9});
}

// A side button's short press (high nibble) or long press (low nibble).
ReportItem keyFunction(int x, ReportText label, std::size_t offset, bool shortPress)
{
    static const std::vector<ReportText> names = {
        {"No Function", "无"},        {"Monitor", "监测"},         {"Scan On/Off", "扫描  开/关"},
        {"Scan Temperary Delete", "扫描暂时取消"}, {"High/Low Power", "高/低 功率"}, {"Talk Around", "循环对话"},
        {"Reverse Frequency", "转换频率"}, {"Vox ON/OFF", "发射限时 开/关"}, {"Scrambler ON/OFF", "扰频器  开/关"}};
    const int shift = shortPress ? 4 : 0;
    ReportItem item{.x = x, .label = std::move(label), .source = ReportSource::ByteChoice, .offset = offset,
                    .mask = static_cast<std::uint8_t>(0x0F << shift), .otherwise = names.front()};
    for (std::size_t code = 0; code < names.size(); ++code)
        item.choices.push_back({static_cast<std::uint8_t>(code << shift), names[code]});
    return item;
}

// The dialog's list that keeps its choice in `mask` of `offset`.
const FormList& dialogListAt(const SettingsListsLayout& dialog, std::size_t offset, std::uint8_t mask)
{
    const auto it = std::find_if(dialog.lists.begin(), dialog.lists.end(),
                                 [&](const FormList& l) { return l.offset == offset && l.mask == mask; });
    if (it == dialog.lists.end())
        throw std::logic_error("the key radio's dialog has no list for a printed flag");
    return *it;
}

// A flag list of the dialog as it reads it: in its own items, or in its
// English items in both builds (`englishWords`, as the beep has always printed).
ReportItem flagList(int x, ReportText label, const FormList& l, bool englishWords)
{
    const auto& chinese = englishWords || l.chineseItems.empty() ? l.englishItems : l.chineseItems;
    return dialogList(x, std::move(label), l.offset, l.mask, l.codes, l.englishItems, chinese, same(""));
}

ReportItem label(int x, ReportText text)
{
    return {.x = x, .label = std::move(text), .source = ReportSource::Label};
}

// The small radios' rows put the transmit frequency one unit further right than
// family A, so that two eight-digit frequencies never touch.
ReportChannelLayout channelLayout(std::vector<ReportHeaderPiece> header, std::vector<int> columnX)
{
    return {std::move(header), std::move(columnX)};
}

} // namespace

ReportPlan keyAssignmentReportPlan(const SettingsListsLayout& dialog)
{
    const FormList& battery = dialogListAt(dialog, kFlags, 0x02);
    std::string batteryLabel = battery.label + ":";
    batteryLabel.resize(std::max<std::size_t>(batteryLabel.size(), 20), ' ');
    ReportPlan plan;
    plan.pages = {{{"The Radio Settings", "整机设置"}, true, 1, 16}};
    plan.settingsHeading = {"Function Setting:", "功能设置:"};
    const int right = 38;
    plan.settingsLines = {
        {fromSource(2, {"Type:               ", "机型: "}, ReportSource::TypeList),
         fromSource(right, {"BandWidth:          ", "频段: "}, ReportSource::FieldList)},
        {timeOut(2, {"Time out Time:      ", "发射限时(秒): "}, "off"),
         powerRank(right, {"TX Power Rank:      ", "发射功率(POWER): "})},
        {number(2, {"Squelch(SQ):        ", "静噪等级(SQ): "}, kSquelch, {.low = 0, .high = 10, .outside = same("0")}),
         flagList(right, {"Beep:               ", "报警音提示: "}, dialogListAt(dialog, kFlags, 0x01), true)},
        // Bit 4 alone has no text.
        {{.x = 2, .label = same("Voice Announcement: "), .source = ReportSource::ByteChoice, .offset = kFlags, .mask = 0x18,
          .choices = {{0x18, {"Chinese", "中文"}}, {0x08, {"English", "英文"}}, {0x00, {"0ff", "无"}}}},
         {.x = right, .label = {"Scrambler:          ", "扰频器激活: "}, .source = ReportSource::ByteChoice,
          .offset = kFlags, .mask = 0x20, .choices = {{0x20, {"off", "关"}}}, .otherwise = {"on", "开"}}},
        {number(2, {"VOX Gain Level:     ", "VOX增益电平: "}, kVoxGain, {.zero = ReportText{"off", "无"}}),
         flagList(right, {batteryLabel, battery.chineseLabel + ": "}, battery, false)},
        {label(2, {"    Side Button 2   ", "    侧键功能2"}), label(right, {"    Side Button 3   ", "    侧键功能3"})},
        {keyFunction(2, {"Short Press:     ", "短按: "}, kSideButton2, true),
         keyFunction(right, {"Short Press:     ", "短按: "}, kSideButton3, true)},
        {keyFunction(2, {"Long Press:     ", "长按: "}, kSideButton2, false),
         keyFunction(right, {"Long Press:     ", "长按: "}, kSideButton3, false)},
    };
    plan.channelHeading = {"Channel Setting:", "信道:"};
    plan.englishChannels = channelLayout({{0, ""}, {-1, "   "}, {-1, "Rx(MHz)"}, {-1, "   "}, {-1, "Tx(MHz)"}, {-1, "    "},
                                          {3, ""}, {-1, "  "}, {4, ""}, {-1, "  "}, {5, ""}, {-1, "    "}, {6, ""},
                                          {-1, "  "}, {7, ""}, {-1, "     "}, {8, ""}},
                                         {1, 5, 15, 25, 33, 41, 47, 56, 63});
    plan.chineseChannels = channelLayout({{0, ""}, {-1, "   "}, {-1, "接收频率"}, {-1, "     "}, {-1, "发射频率"}, {-1, "     "},
                                          {3, ""}, {-1, "   "}, {4, ""}, {-1, "   "}, {5, ""}, {-1, "   "}, {6, ""},
                                          {-1, "   "}, {7, ""}, {-1, "     "}, {8, ""}},
                                         {1, 5, 15, 25, 33, 40, 48, 56, 62});
    return plan;
}

ReportPlan sixteenChannelReportPlan()
{
    ReportPlan plan;
    plan.pages = {{{"The Radio Settings", "本机设置数据"}, true, 1, 16}};
    plan.settingsHeading = {"Function Setting:", "一整机功能设置部分:"};
    // Every item is the current text of a form list, so a choice not yet saved
    // is printed; the VOX list is not.
    const int right = 31;
    plan.settingsLines = {
        {fromList(2, {"Type:   ", "机型:   "}, "Type"), fromList(right, {"Field:   ", "频段  :"}, "Field")},
        {fromList(2, {"Moni:   ", "监听功能:"}, "Side Button"),
         fromList(right, {"Tx Total Time: ", "发射定时(TOT): "}, "Time-out Timer")},
        {fromList(2, {"Warning Setting: ", "报警音提示: "}, "Warning"),
         fromList(right, {"Squelch Level: ", "静噪等级: "}, "Squelch Level")},
        {fromList(2, {"TX power rank: ", "发射功率: "}, "TX Power"),
         fromList(right, {"Band Width: ", "频带宽度: "}, "Band  Width")},
        {fromList(2, {"Scan function(the 16th channel)：", "第16信道扫描功能："}, "Scan Function(16th)")},
    };
    plan.channelHeading = {"Channel Setting:", "二信道数据部分:"};
    plan.englishChannels = channelLayout({{0, ""}, {-1, "   "}, {-1, "Rx(MHz)"}, {-1, "   "}, {-1, "Tx(MHz)"}, {-1, "    "},
                                          {3, ""}, {-1, "  "}, {4, ""}, {-1, "  "}, {5, ""}},
                                         {1, 5, 15, 25, 33, 41});
    plan.chineseChannels = channelLayout({{0, ""}, {-1, "   "}, {-1, "接收频率"}, {-1, "     "}, {-1, "发射频率"}, {-1, "     "},
                                          {3, ""}, {-1, "   "}, {4, ""}, {-1, "   "}, {5, ""}},
                                         {1, 5, 15, 25, 33, 41});
    return plan;
}

ReportPlan twoToneReportPlan()
{
    return familyAPlan(twoToneSettingsLines(), 5);
}

ReportPlan optionalFeaturesReportPlan(const OptionalFeaturesLayout& dialog, int pageCount)
{
    return familyAPlan(optionalFeaturesSettingsLines(dialog), pageCount);
}

ReportPlan signallingFeaturesReportPlan(const SignallingFeaturesLayout& dialog, int pageCount)
{
    return familyAPlan(signallingFeaturesSettingsLines(dialog), pageCount);
}

} // namespace tolvan

// The printed reports of the editions, as data.

#include "editions/edition.h"
#include "editions/report_plan.h"

#include <algorithm>

namespace tolvan {

const std::string& ReportText::in(Language language) const
{
    return language == Language::English ? english : chinese;
}

const ReportChannelLayout& ReportPlan::channels(Language language) const
{
    return language == Language::English ? englishChannels : chineseChannels;
}

namespace {

ReportText same(const std::string& text)
{
    return {text, text};
}

// "Enable"/"Disable" of one flag bit, with the Chinese pair of that item.
ReportItem bitState(int x, ReportText label, std::size_t offset, int bit, const char* zhOn, const char* zhOff)
{
    const auto mask = static_cast<std::uint8_t>(1u << bit);
    return {.x = x, .label = std::move(label), .source = ReportSource::ByteChoice, .offset = offset, .mask = mask,
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

std::vector<std::vector<ReportItem>> familyASettingsLines(const FamilyASettingsBytes& b)
{
    return {
        {fromSource(2, {"Type:   ", "机型:   "}, ReportSource::TypeList),
         fromSource(25, {"Frequency Field:", "频段:"}, ReportSource::FieldList)},
        {functionKey(2, same("Pf1:   "), b.pf1), functionKey(25, same("Pf2: "), b.pf2),
         bitState(50, {"Beep Warning: ", "报警音提示: "}, b.flags, 4, "打开", "关闭")},
        {number(2, {"Squelch Level: ", "静噪等级: "}, b.squelch, {.low = 0, .high = 9, .width = 2, .outside = same("0")}),
         fromSource(25, {"TX power rank: ", "发射功率等级: "}, ReportSource::TxPowerRankList),
         bitState(50, {"Scrambler Activation:", "扰频器激活:"}, b.flags, 2, "打开", "关闭")},
        {bitState(2, {"Vox Function:", "Vox 功能:"}, b.flags, 5, "打开", "关闭"),
         number(25, {"Vox Gain Level:", "Vox 增益电平:"}, b.voxGain,
                {.low = 1, .high = 10, .width = 2, .zero = same("OFF"), .outside = same("0")}),
         {.x = 50, .label = {"Vox Delay Time: ", "Vox 延迟时间(秒): "}, .source = ReportSource::ByteChoice,
          .offset = b.voxDelay,
          .choices = {{1, same("0.5s")}, {2, same("1.0s")}, {3, same("1.5s")}, {4, same("2.0s")}, {5, same("3.0s")}},
          .otherwise = same("0.3s")}},
        {{.x = 2, .label = same("PTT ID: "), .source = ReportSource::ByteChoice, .offset = b.flags, .mask = 0x03,
          .choices = {{0, same("BOT")}, {1, same("EOT")}}, .otherwise = same("BOTH")},
         bitState(25, {"Battery Save:", "电池省电:"}, b.flags, 3, "启动", "关闭"),
         number(50, {"Total Tx Time(s):", "发射时间(s):"}, b.totalTxTime,
                {.low = 1, .high = 40, .multiplier = 15, .outside = same("OFF")})},
        {fromSource(2, {"Begin of Tx:", "发射开始:"}, ReportSource::Code, b.beginCode),
         fromSource(35, {"End of Tx:  ", "发射结束:"}, ReportSource::Code, b.endCode)},
        {bitState(2, {"Vox inhibit on recieve:", "接收时禁止VOX:"}, b.flags, 6, "使能", "不使能")},
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

ReportPlan keyAssignmentReportPlan()
{
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
         {.x = right, .label = {"Beep:               ", "报警音提示: "}, .source = ReportSource::ByteChoice,
          .offset = kFlags, .mask = 0x01, .choices = {{0x01, same("Enable")}}, .otherwise = same("Disable")}},
        // Bit 4 alone has no text.
        {{.x = 2, .label = same("Voice Announcement: "), .source = ReportSource::ByteChoice, .offset = kFlags, .mask = 0x18,
          .choices = {{0x18, {"Chinese", "中文"}}, {0x08, {"English", "英文"}}, {0x00, {"0ff", "无"}}}},
         {.x = right, .label = {"Scrambler:          ", "扰频器激活: "}, .source = ReportSource::ByteChoice,
          .offset = kFlags, .mask = 0x20, .choices = {{0x20, {"off", "关"}}}, .otherwise = {"on", "开"}}},
        {number(2, {"VOX Gain Level:     ", "VOX增益电平: "}, kVoxGain, {.zero = ReportText{"off", "无"}})},
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

ReportPlan familyAReportPlan(const FamilyASettingsBytes& bytes, int pageCount)
{
    ReportPlan plan;
    const auto count = static_cast<std::size_t>(std::clamp(pageCount, 0, static_cast<int>(kFamilyAPages.size())));
    plan.pages.assign(kFamilyAPages.begin(), kFamilyAPages.begin() + static_cast<std::ptrdiff_t>(count));
    plan.settingsHeading = {"Function Setting:", "功能设置:"};
    plan.settingsLines = familyASettingsLines(bytes);
    plan.channelHeading = {"Channel Setting:", "频道设置:"};
    plan.englishChannels = kFamilyAEnglishChannels;
    plan.chineseChannels = kFamilyAChineseChannels;
    return plan;
}

} // namespace tolvan

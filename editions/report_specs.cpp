// The printed reports of the editions, as data.

#include "editions/edition.h"
#include "editions/report_spec.h"

#include <algorithm>

namespace tolvan {

const std::string& ReportText::in(Language language) const
{
    return language == Language::English ? english : chinese;
}

const ReportChannelLayout& ReportSpec::channels(Language language) const
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

const std::vector<ReportPageSpec> kFamilyAPages = {
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

} // namespace

ReportSpec familyAReportSpec(const FamilyASettingsBytes& bytes, const FormListBytes& formLists, int pageCount)
{
    ReportSpec spec;
    const auto count = static_cast<std::size_t>(std::clamp(pageCount, 0, static_cast<int>(kFamilyAPages.size())));
    spec.pages.assign(kFamilyAPages.begin(), kFamilyAPages.begin() + static_cast<std::ptrdiff_t>(count));
    spec.settingsHeading = {"Function Setting:", "功能设置:"};
    spec.settingsLines = familyASettingsLines(bytes);
    spec.channelHeading = {"Channel Setting:", "频道设置:"};
    spec.englishChannels = kFamilyAEnglishChannels;
    spec.chineseChannels = kFamilyAChineseChannels;
    spec.formLists = formLists;
    return spec;
}

} // namespace tolvan

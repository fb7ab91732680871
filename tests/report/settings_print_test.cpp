// What a program's settings dialogs and form store is what its printed settings
// block names: every setting set through the model the window uses, one value
// at a time, saved and printed from the file, in every program and language
// that has it. Any byte the family-A dialogs read prints as the dialog would
// show it. (The full radio's block keeps its own readings of 0x810-0x816; its
// golden files hold them.)

#include "codeplug/text_util.h"
#include "dialogs/key_assignment.h"
#include "dialogs/optional_features.h"
#include "dialogs/settings_lists.h"
#include "dialogs/signalling_features.h"
#include "editions/settings_texts.h"
#include "editor/channel_table.h"
#include "editor/form_settings.h"
#include "report/report_layout.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace tolvan {
namespace {

const ReportDevice kDevice{4800, 6300, 600, 600};

int lineHeight(const ReportFont& font) { return font.height + font.height / 8; }

std::vector<Language> languagesOf(const Edition& e)
{
    std::vector<Language> out{e.uiLanguage(Language::English)};
    if (e.uiLanguage(Language::Chinese) != out.front())
        out.push_back(Language::Chinese);
    return out;
}

const char* name(Language language) { return language == Language::English ? "en" : "zh"; }

// Page 1 printed from a saved image, as --print-pdf prints a file. The table
// holds no channels: only the settings block is looked at.
std::vector<std::string> printedTexts(const Edition& e, Language language, const MemoryImage& image)
{
    static std::map<std::pair<const Edition*, Language>, std::unique_ptr<ChannelTable>> tables;
    auto& table = tables[{&e, language}];
    if (!table)
        table = std::make_unique<ChannelTable>(e, language);
    const ReportInput input(e, language, *table, formListTextsFromImage(e, language, image), image);
    std::vector<std::string> texts;
    for (const DrawOp& op : layoutReportPage(input, kDevice, lineHeight, 1).ops)
        texts.push_back(op.text);
    return texts;
}

std::vector<std::string> startingWith(const std::vector<std::string>& texts, const std::string& label)
{
    std::vector<std::string> out;
    for (const std::string& t : texts)
        if (t.starts_with(label))
            out.push_back(t);
    return out;
}

// The `nth` text that starts with `label` (in reading order) names `value`
// (the blanks that align a number aside).
void expectPrinted(const std::vector<std::string>& texts, const std::string& label, const std::string& value,
                   std::size_t nth = 0)
{
    const std::vector<std::string> found = startingWith(texts, label);
    ASSERT_GT(found.size(), nth) << "nothing printed as \"" << label << "\"";
    EXPECT_EQ(trim(std::string_view(found[nth]).substr(label.size())), trim(value)) << found[nth];
}

struct Words {
    const char* english;
    const char* chinese;
    std::string in(Language language) const { return language == Language::English ? english : chinese; }
};

// One setting of a dialog: the values it offers, how the user sets one, and
// what the report prints for what the dialog shows.
template <class Values, class Texts>
struct Setting {
    Words label;
    int first = 0;
    int last = 1;
    std::function<void(Values&, int)> set;
    std::function<std::string(const Values&, const Texts&, Language)> printed;
    std::function<bool(const Edition&)> shownIn;  // empty: in every program of the table
    std::size_t nth = 0;                          // the same label printed more than once
};

// Set through the model, saved, printed; then, where `sweptBytes` are given,
// every value of each of those bytes as a file could hold it.
template <class Model, class Values, class Texts>
void expectEverySettingPrints(const Edition& e, const Model& model, const std::vector<Setting<Values, Texts>>& settings,
                              const std::function<Texts(Language)>& textsOf,
                              const std::vector<std::size_t>& sweptBytes = {})
{
    for (Language language : languagesOf(e)) {
        const Texts texts = textsOf(language);
        for (const auto& s : settings) {
            const std::string label = s.label.in(language);
            SCOPED_TRACE(e.id + " " + name(language) + " \"" + label + "\"");
            if (s.shownIn && !s.shownIn(e))
                continue;
            for (int value = s.first; value <= s.last; ++value) {
                MemoryImage image = newDocumentImage(e);
                Values v = model.read(image);
                s.set(v, value);
                model.write(v, image);
                expectPrinted(printedTexts(e, language, image), label, s.printed(model.read(image), texts, language),
                              s.nth);
            }
        }
        for (std::size_t offset : sweptBytes) {
            for (int byte = 0; byte < 256; ++byte) {
                MemoryImage image = newDocumentImage(e);
                image.set(offset, static_cast<std::uint8_t>(byte));
                SCOPED_TRACE(e.id + " " + name(language) + " byte " + std::to_string(offset) + " = "
                             + std::to_string(byte));
                const Values shown = model.read(image);
                const std::vector<std::string> printed = printedTexts(e, language, image);
                for (const auto& s : settings)
                    if (!s.shownIn || s.shownIn(e))
                        expectPrinted(printed, s.label.in(language), s.printed(shown, texts, language), s.nth);
                    else  // what the dialog hides is not printed in any words, whatever the byte holds
                        for (const char* hidden : {s.label.english, s.label.chinese})
                            EXPECT_TRUE(startingWith(printed, hidden).empty()) << hidden;
            }
        }
    }
}

std::string onOff(bool on, Language language, const char* zhOn, const char* zhOff)
{
    return language == Language::English ? (on ? "Enable" : "Disable") : (on ? zhOn : zhOff);
}

std::string timeOutText(int steps) { return steps == 0 ? "OFF" : std::to_string(15 * steps); }
std::string voxGainText(int level) { return level == 0 ? "OFF" : std::to_string(level); }

// A list without a selection prints nothing after its label.
std::string itemOf(const std::vector<std::string>& items, int index)
{
    return index < 0 ? std::string() : items.at(static_cast<std::size_t>(index));
}

// Identity codes as typed; the dialog stores and shows them by its own rules.
const std::vector<std::string> kTypedCodes = {"", "0123", "2345", "234", "9x", "ab1", "ZZ99AA00", "1*2"};
constexpr int kLastCode = 7;
std::string typedCode(int i) { return itemOf(kTypedCodes, i); }

// ---- The DTMF/FleetSync radios ----

using SV = SignallingFeaturesValues;
using SignallingSetting = Setting<SV, SignallingFeaturesTexts>;

SignallingSetting signallingCheck(Words label, bool SV::*field, const char* zhOn, const char* zhOff,
                                  std::function<bool(const Edition&)> shownIn = {})
{
    return {label, 0, 1, [field](SV& v, int on) { v.*field = on != 0; },
            [field, zhOn, zhOff](const SV& v, const SignallingFeaturesTexts&, Language l) {
                return onOff(v.*field, l, zhOn, zhOff);
            },
            std::move(shownIn)};
}

bool hasCodes(const Edition& e) { return e.signallingFeatures->pttId.has_value(); }

TEST(SettingsPrint, TheDtmfFleetSyncDialogsSettingsPrintAsTheDialogShowsThem)
{
    using T = SignallingFeaturesTexts;
    const std::vector<SignallingSetting> settings = {
        {{"Pf1:   ", "Pf1:   "}, 0, 5, [](SV& v, int i) { v.pf1 = i; },
         [](const SV& v, const T& t, Language) { return itemOf(t.keyItems, v.pf1); }},
        {{"Pf2: ", "Pf2: "}, 0, 5, [](SV& v, int i) { v.pf2 = i; },
         [](const SV& v, const T& t, Language) { return itemOf(t.keyItems, v.pf2); }},
        signallingCheck({"Beep Warning: ", "报警音提示: "}, &SV::beep, "打开", "关闭"),
        {{"Squelch Level: ", "静噪等级: "}, 0, 9, [](SV& v, int i) { v.squelch = i; },
         [](const SV& v, const T&, Language) { return std::to_string(v.squelch); }},
        signallingCheck({"Scrambler Activation:", "扰频器激活:"}, &SV::scrambler, "打开", "关闭"),
        signallingCheck({"Vox Function:", "Vox 功能:"}, &SV::voxFunction, "打开", "关闭"),
        {{"Vox Gain Level:", "Vox 增益电平:"}, 0, 10, [](SV& v, int i) { v.voxGain = i; },
         [](const SV& v, const T&, Language) { return voxGainText(v.voxGain); }},
        {{"Vox Delay Time: ", "Vox 延迟时间(秒): "}, 0, 5, [](SV& v, int i) { v.voxDelay = i; },
         [](const SV& v, const T& t, Language) { return itemOf(t.voxDelayItems, v.voxDelay) + "s"; }},
        {{"Language Choose: ", "语言选择: "}, 0, 2, [](SV& v, int i) { v.language = i; },
         [](const SV& v, const T& t, Language) { return itemOf(t.languageItems, v.language); }},
        signallingCheck({"Battery Save:", "电池省电:"}, &SV::batterySave, "启动", "关闭"),
        {{"Total Tx Time(s):", "发射时间(s):"}, 0, 40, [](SV& v, int i) { v.timeOut = i; },
         [](const SV& v, const T&, Language) { return timeOutText(v.timeOut); }},
        {{"PTT ID: ", "本机命名: "}, 0, kLastCode, [](SV& v, int i) { v.pttId = typedCode(i); },
         [](const SV& v, const T&, Language) { return v.pttId; }, hasCodes},
        {{"ANI CODE: ", "ANI: "}, 0, kLastCode, [](SV& v, int i) { v.aniCode = typedCode(i); },
         [](const SV& v, const T&, Language) { return v.aniCode; }, hasCodes},
        signallingCheck({"Begin of Tx: ", "开始发射: "}, &SV::beginOfTx, "打开", "关闭", hasCodes),
        signallingCheck({"End of Tx: ", "结束发射: "}, &SV::endOfTx, "打开", "关闭", hasCodes),
        signallingCheck({"Vox inhibit on recieve:", "接收时禁止VOX:"}, &SV::voxInhibit, "使能", "不使能"),
    };
    for (const char* id : {"cps-brand", "cps-cn2", "cps-fleet", "cps-cn10"}) {
        const Edition& e = *findEdition(id);
        const SignallingFeaturesLayout& l = *e.signallingFeatures;
        expectEverySettingPrints<SignallingFeatures, SV, T>(
            e, SignallingFeatures(l), settings, [&](Language language) { return signallingFeaturesTexts(language, l); },
            {l.timeOut, l.squelch, l.flags, l.voxGain, l.voxDelay, l.voxFunction.offset, l.pf1, l.pf2});
    }
}

// ---- The MSK/DTMF/CCIR radio: the full design's dialog without its key lists ----

using OV = OptionalFeaturesValues;
using OptionalSetting = Setting<OV, OptionalFeaturesTexts>;

OptionalSetting optionalCheck(Words label, bool OV::*field, const char* zhOn, const char* zhOff)
{
    return {label, 0, 1, [field](OV& v, int on) { v.*field = on != 0; },
            [field, zhOn, zhOff](const OV& v, const OptionalFeaturesTexts&, Language l) {
                return onOff(v.*field, l, zhOn, zhOff);
            }};
}

OptionalSetting identityCode(Words label, std::string OV::*field)
{
    return {label, 0, kLastCode, [field](OV& v, int i) { v.*field = typedCode(i); },
            [field](const OV& v, const OptionalFeaturesTexts&, Language) { return v.*field; }};
}

TEST(SettingsPrint, TheCcirDialogsSettingsPrintAsTheDialogShowsThem)
{
    using T = OptionalFeaturesTexts;
    const std::vector<OptionalSetting> settings = {
        {{"Priority Channel: ", "优先信道: "}, -1, 127, [](OV& v, int i) { v.priorityChannel = i; },
         [](const OV& v, const T&, Language) {
             return v.priorityChannel < 0 ? std::string() : std::to_string(v.priorityChannel + 1);
         }},
        optionalCheck({"Begin of Tx: ", "开始发射: "}, &OV::beginOfTx, "打开", "关闭"),
        optionalCheck({"End of Tx: ", "结束发射: "}, &OV::endOfTx, "打开", "关闭"),
        optionalCheck({"Beep Warning: ", "报警音提示: "}, &OV::beep, "打开", "关闭"),
        {{"Squelch Level: ", "静噪等级: "}, 0, 9, [](OV& v, int i) { v.squelch = i; },
         [](const OV& v, const T&, Language) { return std::to_string(v.squelch); }},
        optionalCheck({"Scrambler Activation:", "扰频器激活:"}, &OV::scrambler, "打开", "关闭"),
        {{"Vox Gain Level:", "Vox 增益电平:"}, 0, 10, [](OV& v, int i) { v.voxGain = i; },
         [](const OV& v, const T&, Language) { return voxGainText(v.voxGain); }},
        {{"Opt Signal In Frequent Mode: ", "频率模式可选信令: "}, 0, 3, [](OV& v, int i) { v.signalMode = i; },
         [](const OV& v, const T& t, Language) { return itemOf(t.signalModeItems, v.signalMode); }},
        {{"Language Choose: ", "语言选择: "}, -1, 1, [](OV& v, int i) { v.language = i; },
         [](const OV& v, const T& t, Language) { return itemOf(t.languageItems, v.language); }},
        optionalCheck({"Battery Save:", "电池省电:"}, &OV::batterySave, "启动", "关闭"),
        {{"Total Tx Time(s):", "发射时间(s):"}, 0, 40, [](OV& v, int i) { v.timeOut = i; },
         [](const OV& v, const T&, Language) { return timeOutText(v.timeOut); }},
        identityCode({"Group ID: ", "组 ID: "}, &OV::groupId),
        identityCode({"ID: ", "本机 ID: "}, &OV::id),
        identityCode({"Call ID: ", "呼叫 ID: "}, &OV::callId),
        identityCode({"Check ID: ", "检测 ID: "}, &OV::checkId),
        identityCode({"Kill ID: ", "遥毙 ID: "}, &OV::killId),
        identityCode({"Listen ID: ", "监听 ID: "}, &OV::listenId),
        // Neither its key lists nor the PTT ID the language bits once printed as.
        {{"Pf", "Pf"}, 0, 0, {}, {}, [](const Edition&) { return false; }},
        {{"PTT ID", "PTT ID"}, 0, 0, {}, {}, [](const Edition&) { return false; }},
    };
    const Edition& e = *findEdition("cps-ccir");
    const OptionalFeaturesLayout& l = *e.optionalFeatures;
    expectEverySettingPrints<OptionalFeatures, OV, T>(
        e, OptionalFeatures(l), settings, [](Language language) { return optionalFeaturesTexts(language); },
        {l.beginOfTx.offset, l.flags, l.squelch, l.timeOut, l.voxGain, l.signalMode, l.priorityChannel});
}

// ---- The key radio: its dialog of lists and Key Assignment, in the report's own words ----

struct NoTexts {};
using Selections = std::vector<int>;
using ListSetting = Setting<Selections, NoTexts>;

ListSetting keyList(Words label, int list, int last, std::function<std::string(int, Language)> printed)
{
    return {label, 0, last, [list](Selections& s, int i) { s.at(static_cast<std::size_t>(list)) = i; },
            [list, printed](const Selections& s, const NoTexts&, Language l) {
                return printed(s.at(static_cast<std::size_t>(list)), l);
            }};
}

ListSetting keyListWords(Words label, int list, std::vector<Words> words)
{
    return keyList(label, list, static_cast<int>(words.size()) - 1,
                   [words](int i, Language l) { return words.at(static_cast<std::size_t>(i)).in(l); });
}

// Where the dialog stores its lists, the report prints them; a byte the dialog
// never stores (squelch 10) keeps the report's own reading, so no byte is swept.
TEST(SettingsPrint, TheKeyRadiosListsAndSideButtonsPrintAsTheDialogsStoreThem)
{
    const std::vector<ListSetting> lists = {
        keyList({"Time out Time:      ", "发射限时(秒): "}, 0, 10,
                [](int i, Language) { return i == 0 ? std::string("off") : std::to_string(30 * i) + "s"; }),
        keyList({"TX Power Rank:      ", "发射功率(POWER): "}, 1, 9, [](int i, Language) { return std::to_string(i); }),
        keyList({"Squelch(SQ):        ", "静噪等级(SQ): "}, 2, 9, [](int i, Language) { return std::to_string(i); }),
        // The beep the dialog enables is the one printed as enabled.
        keyListWords({"Beep:               ", "报警音提示: "}, 3, {{"Enable", "Enable"}, {"Disable", "Disable"}}),
        keyListWords({"Voice Announcement: ", "Voice Announcement: "}, 4,
                     {{"0ff", "无"}, {"English", "英文"}, {"Chinese", "中文"}}),
        keyListWords({"Scrambler:          ", "扰频器激活: "}, 5, {{"on", "开"}, {"off", "关"}}),
        keyList({"VOX Gain Level:     ", "VOX增益电平: "}, 6, 9,
                [](int i, Language l) { return i > 0 ? std::to_string(i) : l == Language::English ? "off" : "无"; }),
        keyListWords({"Battery Save:       ", "电池省电: "}, 7, {{"Enable", "开"}, {"Disable", "关"}}),
    };
    using Buttons = std::vector<SideButtonChoice>;
    const std::vector<Words> functions = {
        {"No Function", "无"},           {"Monitor", "监测"},         {"Scan On/Off", "扫描  开/关"},
        {"Scan Temperary Delete", "扫描暂时取消"}, {"High/Low Power", "高/低 功率"}, {"Talk Around", "循环对话"},
        {"Reverse Frequency", "转换频率"}, {"Vox ON/OFF", "发射限时 开/关"}, {"Scrambler ON/OFF", "扰频器  开/关"}};
    std::vector<Setting<Buttons, NoTexts>> presses;
    for (std::size_t button : {0u, 1u}) {
        for (bool shortPress : {true, false}) {
            int SideButtonChoice::*press = shortPress ? &SideButtonChoice::shortPress : &SideButtonChoice::longPress;
            const Words label = shortPress ? Words{"Short Press:     ", "短按: "} : Words{"Long Press:     ", "长按: "};
            presses.push_back({label, 0, 8,
                               [button, press](Buttons& b, int code) { b.at(button).*press = code; },
                               [button, press, functions](const Buttons& b, const NoTexts&, Language l) {
                                   return functions.at(static_cast<std::size_t>(b.at(button).*press)).in(l);
                               },
                               {}, button});
        }
    }
    for (const char* id : {"cps-keys", "cps-keys-cn"}) {
        const Edition& e = *findEdition(id);
        const auto none = [](Language) { return NoTexts{}; };
        expectEverySettingPrints<SettingsLists, Selections, NoTexts>(e, SettingsLists(*e.settingsLists), lists, none);
        expectEverySettingPrints<KeyAssignment, Buttons, NoTexts>(e, KeyAssignment(*e.keyAssignment), presses, none);
    }
}

// ---- The form's lists, in every program that prints them ----

// The form list a settings item prints, by its label; empty for other items.
std::string printedList(const ReportItem& item)
{
    switch (item.source) {
    case ReportSource::FormList:
        return item.list;
    case ReportSource::TypeList:
        return "Type";
    case ReportSource::FieldList:
        return "Field";
    case ReportSource::TxPowerRankList:
        return "Tx Power Rank";
    default:
        return {};
    }
}

TEST(SettingsPrint, EveryPrintedFormListPrintsEachOfItsItemsOnceSaved)
{
    for (const Edition* e : allEditions()) {
        for (Language language : languagesOf(*e)) {
            int printed = 0;
            for (const auto& line : e->report.settingsLines) {
                for (const ReportItem& item : line) {
                    const std::string list = printedList(item);
                    if (list.empty())
                        continue;
                    FormSettings form(*e);
                    int i = 0;
                    while (i < form.count() && form.list(i).label != list)
                        ++i;
                    ASSERT_LT(i, form.count()) << e->id << " prints a list its form lacks: " << list;
                    const std::vector<std::string>& items = form.list(i).items(language);
                    for (std::size_t index = 0; index < items.size(); ++index) {
                        MemoryImage image = newDocumentImage(*e);
                        form.loadFromImage(image);
                        form.select(i, static_cast<int>(index));
                        form.storeToImage(image);
                        SCOPED_TRACE(e->id + " " + name(language) + " " + list + " " + items[index]);
                        expectPrinted(printedTexts(*e, language, image), item.label.in(language), items[index]);
                    }
                    ++printed;
                }
            }
            EXPECT_GE(printed, 2) << e->id;  // at least the type and the band
        }
    }
}

} // namespace
} // namespace tolvan

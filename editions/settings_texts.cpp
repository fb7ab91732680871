#include "editions/settings_texts.h"

#include "editions/edition.h"

namespace tolvan {
namespace {

// "Off" in the Chinese lists and boxes.
const char* const kChineseOff = "关闭";

const std::vector<std::string> kKeysEnglish = {"None", "Autodial", "Key Lock", "Monitor", "Monitor Momentary",
                                               "Scrambler"};

} // namespace

OptionalFeaturesTexts optionalFeaturesTexts(Language language)
{
    OptionalFeaturesTexts t{
        .caption = "Optional Features",
        .functionSet = "Function Set",
        .idGroup = " ID",
        .squelch = "Squelch Level",
        .timeOut = "Time out time(TOT)(s)",
        .timeOutOff = "OFF",
        .voxGain = "Vox Gain Level",
        .language = "Language Choose",
        .beep = "Beep",
        .batterySave = "Battery Save",
        .scrambler = "Scrambler Activation",
        .priorityChannel = "Priority Channel",
        .groupId = "Group ID",
        .id = "ID",
        .callId = "Call ID",
        .checkId = "Check ID",
        .killId = "Kill ID",
        .listenId = "Listen ID",
        .beginOfTx = "Begin of Tx",
        .endOfTx = "End of Tx",
        .signalMode = "Opt Signal In Frequent Mode",
        .pf1 = "PF1",
        .pf2 = "PF2",
        .voxItems = {"OFF", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
        .languageItems = {"Chinese", "English"},
        .signalModeItems = {"MSK", "DTMF", "CCIR", "OFF"},
        .keyItems = kKeysEnglish,
        .ok = "OK",
        .cancel = "Cancel",
    };
    if (language == Language::English)
        return t;
    t.caption = "可选功能";
    t.functionSet = "功能设置";
    t.idGroup = " ID";
    t.squelch = "静噪等级(SQ)";
    t.timeOut = "发射限时(秒)";
    t.timeOutOff = kChineseOff;
    t.voxGain = "VOX增益电平";
    t.language = "语言选择";
    t.beep = "报警音提示";
    t.batterySave = "电池省电";
    t.scrambler = "扰频器激活";
    t.priorityChannel = "优先信道";
    t.groupId = "组 ID";
    t.id = "本机 ID";
    t.callId = "呼叫 ID";
    t.checkId = "检测 ID";
    t.killId = "遥毙 ID";
    t.listenId = "监听 ID";
    t.beginOfTx = "开始发射";
    t.endOfTx = "结束发射";
    t.signalMode = "频率模式可选信令";
    t.pf1 = "PF1键功能选择";
    t.pf2 = "PF2键功能选择";
    t.voxItems[0] = kChineseOff;
    t.languageItems = {"中文", "英文"};
    t.signalModeItems = {"MSK", "DTMF", "CCIR", kChineseOff};
    t.keyItems = {"无", "自动拨号", "按键锁定", "监听", "监听瞬时", "扰频器"};
    t.ok = "确定";
    t.cancel = "取消";
    return t;
}

SignallingFeaturesTexts signallingFeaturesTexts(Language language, const SignallingFeaturesLayout& layout)
{
    const OptionalFeaturesTexts common = optionalFeaturesTexts(language);
    SignallingFeaturesTexts t{
        .caption = common.caption,
        .timeOut = layout.timeOutLabel.english,
        .timeOutOff = common.timeOutOff,
        .squelch = common.squelch,
        .language = common.language,
        .beep = common.beep,
        .batterySave = common.batterySave,
        .scrambler = common.scrambler,
        .voxGroup = "",
        .voxFunction = "Vox Function",
        .voxGain = common.voxGain,
        .voxDelay = "Vox  Delay Time(s)",
        .voxInhibit = "Vox Inhibit On Recieve",
        .pttGroup = "",
        .pttId = "PTT ID",
        .aniCode = "ANI CODE",
        .beginOfTx = common.beginOfTx,
        .endOfTx = common.endOfTx,
        .keyGroup = "Key Assignment",
        .pf1 = common.pf1,
        .pf2 = common.pf2,
        .languageItems = {common.languageItems[0], common.languageItems[1], layout.languageOff.english},
        .voxGainItems = common.voxItems,
        .voxDelayItems = {"0.3", "0.5", "1.0", "1.5", "2.0", "3.0"},
        .keyItems = common.keyItems,
        .ok = common.ok,
        .cancel = common.cancel,
    };
    if (language == Language::English)
        return t;
    t.timeOut = layout.timeOutLabel.chinese;
    t.voxGroup = "VOX(声控发射)";
    t.voxFunction = "Vox功能";
    t.voxDelay = "VOX延迟时间(秒)";
    t.voxInhibit = "接收时禁止VOX";
    t.pttGroup = "PTT ID";
    t.pttId = "本机命名";  // the radio's own number, sent with the PTT
    t.aniCode = "ANI";
    t.keyGroup = "按键编程设定";
    t.languageItems[2] = layout.languageOff.chinese;
    return t;
}

} // namespace tolvan

#include "dialogs/dialog_texts.h"

namespace tolvan {
namespace {

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
    t.voxItems[0] = "关闭";
    t.languageItems = {"中文", "英文"};
    t.signalModeItems = {"MSK", "DTMF", "CCIR", "关闭"};
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

TwoToneTexts twoToneTexts(Language language)
{
    TwoToneTexts t{
        .caption = "Tow Tone",
        .encodeTab = "Encode",
        .decodeTab = "Decode",
        .firstDelay = "The first delay time(s)",
        .secondDelay = "The second delay time(s)",
        .longDelay = "Long tone delay time(s)",
        .toneInterval = "Tone interval time(s)",
        .txRise = "Tx rise delay time(s)",
        .shortKill = "Short kill tone",
        .gridHeaders = {"Num", "Tone1 Fre", "Tone2 Fre"},
        .decoderTab = "2Tone",
        .decoderTones = {"A Tone(HZ)", "B Tone(HZ)", "C Tone(HZ)", "D Tone(HZ)"},
        .decoderTimes = {"The first delay time(s)", "The second delay time(s)", "Interval time(s)",
                         "Long tone delay time(s)"},
        .pleaseInputNumber = "Please input Number",
        .rangeMessage = "Please enter an integer between %1 and %2.",
    };
    if (language == Language::English)
        return t;
    t.caption = "两音";
    t.encodeTab = "编码";
    t.decodeTab = "解码";
    t.firstDelay = "第一延迟时间(秒)";
    t.secondDelay = "第二延迟时间(秒)";
    t.longDelay = "长音延迟时间(秒)";
    t.toneInterval = "音间隔时间(秒)";
    t.txRise = "发射上升延迟(秒)";
    t.shortKill = "短遥毙音";
    t.gridHeaders = {"序号", "第一个音频率(HZ)", "第二个音频率(HZ)"};
    t.decoderTab = "两音";
    t.decoderTones = {"A 音(HZ)", "B 音(HZ)", "C 音(HZ)", "D 音(HZ)"};
    t.decoderTimes = {"第一延迟时间(秒)", "第二延迟时间(秒)", "间隔时间(秒)", "长音延迟时间(秒)"};
    t.pleaseInputNumber = "请输入数据!";
    t.rangeMessage = "请输入 %1 到 %2 之间的整数。";
    return t;
}

TestModeTexts testModeTexts(Language language)
{
    TestModeTexts t{
        .caption = "Debug Mode for Tolvan",
        .debugFrequency = "Debug Frequency",
        .highFrequency = "High Frequency",
        .middleFrequency = "Middle Frequency",
        .lowFrequency = "Low Frequency",
        .debugItem = "Debug Item",
        .items = {"TX Frequency", "Low Power Voltage", "Squelch Level", "TX Power"},
        .exitDebug = "Exit Debug",
        .groupStatic = "Static",
        .chooseFirst = "Please Choose Frequency first",
        .frequencyCaptions = {"High Frequency", "Middle Frequency", "Low frequency"},
        .defaultButton = "Default",
        .receive = "Receive",
        .transmit = "Transmit",
        .frequency = "Frequency (MHz)",
        .tone = "Tone",
        .toneMethod = "Tone Method",
        .qt = "QT",
        .dqt = "DQT",
        .stepValue = "Step Value",
        .step500 = "5.00KHZ",
        .step625 = "6.25KHZ",
        .chooseDebugFrequency = "Choose Debug Frequency",
        .debugFrequencyRadios = {"High(MHz)", "Middle(MHz)", "Low(MHz)"},
        .parameterValue = "Parameter Value",
        .minimum = "Min",
        .maximum = "Max",
        .currentValue = "Current Value",
        .currentPosition = "Current Position:",
        .start = "Start",
        .finished = "Finish successfully!",
        .failed = " Error had happen ,need try again",
        .nothingVisible = " There are no Visible information",
    };
    if (language == Language::English)
        return t;
    t.caption = "TolvanKestrel在线调试";
    t.debugFrequency = "调试频率";
    t.highFrequency = "高频点";
    t.middleFrequency = "中频点";
    t.lowFrequency = "低频点";
    t.debugItem = "调试项目";
    t.items = {"发射频率", "低电压报警", "静噪等级", "发射功率"};
    t.exitDebug = "退出调试";
    t.groupStatic = "状态";
    t.chooseFirst = "请先选择频率";
    t.frequencyCaptions = {"高频点", "中频点", "低频点"};
    t.defaultButton = "默认值";
    t.receive = "接收";
    t.transmit = "发射";
    t.frequency = "频率(MHz)";
    t.tone = "亚音";
    t.toneMethod = "亚音类型";
    t.stepValue = "步进";
    t.chooseDebugFrequency = "选择调试频率";
    t.debugFrequencyRadios = {"高(MHz)", "中(MHz)", "低(MHz)"};
    t.parameterValue = "参数值";
    t.minimum = "最小";
    t.maximum = "最大";
    t.currentValue = "当前值";
    t.currentPosition = "当前位置:";
    t.start = "开始";
    t.finished = "对讲机已收到!";
    t.failed = " 错误需延时再试";
    t.nothingVisible = " 没有可视信息";
    return t;
}

} // namespace tolvan

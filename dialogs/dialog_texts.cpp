#include "dialogs/dialog_texts.h"

namespace tolvan {

KeyAssignmentTexts keyAssignmentTexts(Language language)
{
    if (language == Language::English)
        return {.caption = "Key Assignment",
                .buttons = {"Side Button 2", "Side Button 3"},
                .shortPress = "Short Press",
                .longPress = "Long Press",
                .functions = {"NO Function", "Monitor", "Scan ON/OFF", "Scan Temperary Delete", "High/Low Power",
                              "Talk Around", "Reverse Frequency", "Vox ON/OFF", "Scrambler ON/OFF"},
                .ok = "OK",
                .cancel = "Cancel"};
    return {.caption = "侧键功能",
            .buttons = {"侧键功能2： ", "侧键功能3："},
            .shortPress = "短按",
            .longPress = "长按",
            .functions = {"无", "监测", "扫描  开/关", "扫描暂时取消", "高/低 功率", "循环对话", "转换频率",
                          "发射限时 开/关", "扰频器  开/关"},
            .ok = "确定",
            .cancel = "取消"};
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

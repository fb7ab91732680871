#include "editions/edition_texts.h"

namespace tolvan {

int WordList::indexOf(std::string_view text) const
{
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text)
            return static_cast<int>(i);
    return -1;
}

EditionTexts twoToneEnglishTexts()
{
    EditionTexts t;
    t.headers = {"CH",       "Receive(MHz)", "Transmit(MHz)", "Rx Tone", "Tx Tone", " W/N ", "Scan",
                 "Tx Power", " Opt Signal",  "PTTID",         "BusyLock", "Name",   "More"};
    t.signalling = {"TDC1200", "DTMF", "5-Tone", "2-Tone"};
    t.power = {{"Low", "High"}, 1};
    t.bandwidth = {{"Wide", "Narrow"}, 0};
    t.scan = {{"Yes", "No"}, 0};
    t.pttId = {{"OFF", "ON"}, 1};
    t.busy = {{"Close", "Carrier", "QT/DQT"}, 0};
    t.offTone = "OFF";
    t.link = {
        .portOpenFail = "Could not Open the Port,Please check whether the Port are occupied or the device are ok",
        .detecting = "Now are detecting Communication Port,Please wait...",
        .waiting = "Waiting the response from radio....",
        .notStarted = "   Not start yet",
        .sendOrderError = " Error in the Send Order",
        .commError = "Communication Error，Please check all the connections and the radio power",
        .typeMismatch = " Radio Type are not match for your setting，If you want continue,push ok button",
        .writeNoAck = " Program Interrupt，Please reset the radio and try again",
        .shortReply = "not received enough  byte",
        .readNoAck = "Error had happen,please try again",
        .interrupted = "Communication had been interrupted,please try again",
        .passwordIncorrect = "Password incorrect",
        .readTitle = "Reading Data Progress",
        .writeTitle = "Writing Data Progress",
        .startButton = "Start",
        .cancelButton = "Cancel",
        .progressLabel = "Progress：",
    };
    t.entry = {
        .pleaseInputNumber = "Please input Number",
        .outOfRange = "Error Data Format，Please input again",
        .offStepOnLeave = "Error data Value，Please input according the step value(6.25K/5k/2.5k)",
        .offStepOnEnter = "Error data Value，Please input according the step value(6.25K/5k/2.5k)",
        .outOfBand = "",
        .outOfBandCaption = "",
        .editChannel = "Please directly double click inside the table",
        .channelRange = "Please enter an integer between 1 and 128.",
    };
    return t;
}

EditionTexts twoToneChineseTexts()
{
    EditionTexts t = twoToneEnglishTexts();
    t.headers = {"频道",     "接收频率",  "发射频率", "接收信令", "发射信令", " 宽/窄", "扫描添加",
                 "发射功率", " 可选信令", "PTTID",    "繁忙锁定", "名称",     "更多"};
    t.power = {{"低", "高"}, 1};
    t.bandwidth = {{"宽", "窄"}, 0};
    t.scan = {{"是", "否"}, 0};
    t.pttId = {{"关", "开"}, 1};
    t.busy = {{"关闭", "载波", "QT/DQT"}, 0};
    t.link.portOpenFail = "无法打开串口，请检查该设备是否正常，或是否被占用";
    t.link.sendOrderError = " 发送数据错误";
    t.link.commError = "通讯错误，请检查连接线是否接触良好或对讲机电源是否开启";
    t.link.typeMismatch = " 对讲机的类型与你所设置的不一样，若要覆盖请按确定按钮";
    t.link.writeNoAck = " 接收出错中断，请重试";
    t.link.shortReply = "未收到足够字节";
    t.link.readNoAck = "接收出错中断，请重试";
    t.link.interrupted = "通讯已被中断,请重新开始";
    t.link.readTitle = "读频进度";
    t.link.writeTitle = "写频进度";
    t.link.notStarted = "   尚未开始";
    t.link.startButton = "开始";
    t.link.cancelButton = "取消";
    t.link.progressLabel = "进度：";
    t.entry.pleaseInputNumber = "请输入数字";
    t.entry.outOfRange = "输入数据错误，请按正确的格式及大小重新输入";
    t.entry.offStepOnLeave = "输入数据错误，请按6.25K/5k/2.5k的倍数重新输入";
    t.entry.offStepOnEnter = "输入数据错误，请按6.25K/5k/2.5K的倍数重新输入";
    t.entry.editChannel = "请直接在右边的表格双击";
    t.entry.channelRange = "请输入 1 到 128 之间的整数。";
    return t;
}

EditionTexts keyAssignmentEnglishTexts()
{
    EditionTexts t = twoToneEnglishTexts();
    t.headers = {"CH", "Receive(MHz)", "Transmit(MHz)", "Rx Tone", "Tx Tone", "Busy", "TX Power", "W/N", "Scan/Add"};
    t.signalling.clear();
    t.power = {{"High", "Low"}, 0};
    t.bandwidth = {{"Wide", "Narrow"}, 0};
    t.scan = {{"Yes", "No"}, 0};
    t.pttId = {};
    t.busy = {{"YES", "NO"}, 0};
    t.offTone = "";
    t.entry.offStepOnLeave = "Error data Value，Please input according the step value(6.25K/5k)";
    t.entry.offStepOnEnter = t.entry.offStepOnLeave;
    t.entry.editChannel = "";
    return t;
}

} // namespace tolvan

#include "app/fleet_texts.h"

namespace tolvan {

const FleetTexts& fleetTexts(Language language)
{
    static const FleetTexts english{
        .compareWithFile = "Compare With File",
        .compareWithRadio = "Compare With Radio",
        .cancelled = "Cancelled.",
        .severalTitle = "Write To Several Radios",
        .connectNext = "Connect the next radio, then press Write Next Radio.",
        .writeNext = "&Write Next Radio",
        .saveLog = "&Save Log...",
        .close = "Close",
        .number = "No.",
        .time = "Time",
        .result = "Result",
        .failed = "FAILED: ",
        .stopWriting = "A radio is being written. Stop the write and close?",
        .skipUnfit = "Import the rest, leaving the cells this radio cannot hold as they were?",
    };
    static const FleetTexts chinese{
        .compareWithFile = "与文件比较",
        .compareWithRadio = "与对讲机比较",
        .cancelled = "已取消。",
        .severalTitle = "写入多台对讲机",
        .connectNext = "请连接下一台对讲机，然后按“写入下一台”。",
        .writeNext = "写入下一台(&W)",
        .saveLog = "保存记录(&S)...",
        .close = "关闭",
        .number = "序号",
        .time = "时间",
        .result = "结果",
        .failed = "失败：",
        .stopWriting = "正在写入对讲机。要停止写入并关闭吗？",
        .skipUnfit = "导入其余的信道，使本机不能保存的单元格保持不变吗？",
    };
    return language == Language::English ? english : chinese;
}

} // namespace tolvan

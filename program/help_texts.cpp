#include "program/help_texts.h"

namespace tolvan {

const CommandLineTexts& commandLineTexts(Language language)
{
    static const CommandLineTexts english{
        .usage = "Usage: %1 [--port PORT] [FILE.sin]\n"
            "  or:  %1 --screenshot OUT.png [FILE.sin]\n"
            "  or:  %1 OPTION ...\n\n"
            "%1 is for the %2 (%3 channels, .sin files of %4 bytes).\n\n"
            "Without an option the program window opens (with FILE.sin, if given); --port\n"
            "preselects the port (COM1..COM4, a device path, or virtual for the built-in\n"
            "virtual radio). --screenshot saves a picture of the window and exits.\n\n"
            "Options:\n",
        .tail = "  --help                      show this help\n"
            "  --version                   show the package version and the About version line\n\n"
            "-- ends the options, so a file whose name begins with \"-\" is named after it:\n"
            "%1 --new -- -blank.sin\n\n"
            "Every completed read from a radio, in the window or with --read, is also kept\n"
            "in %4\n"
            "as %1-YYYYMMDD-HHMMSS.sin; the last %2 are kept.\n\n"
            "Help on every command (F1 in the window): %3\n\n"
            "Exit status: 0 done, 1 usage, 2 file error, 3 link error, 4 declined or cancelled,\n"
            "5 the files differ (--diff; 0 when they are identical).\n",
        .newDocument = "save a new document and exit",
        .read = "read the radio into OUT.sin (--port PORT [--retries N]%1)",
        .write = "write IN.sin to the radio (--port PORT [--port PORT2 ...] [--verify]\n"
            "                              [--retries N]%1);\n"
            "                              --verify reads the written range back and\n"
            "                              compares it; several --port write to all of them\n"
            "                              at once, one result line each; a file longer\n"
            "                              than %2 bytes (another radio's) is refused\n"
            "                              unless --accept-length",
        .listPorts = "list the serial ports found",
        .exportCsv = "write the channel table as CSV and exit ([--plan]: only the\n"
            "                              columns every program reads, one plan for a fleet)",
        .importCsv = "put the channels of IN.csv (as --export-csv of any of the\n"
            "                              programs writes them) into BASE.sin and save OUT.sin;\n"
            "                              nothing when a cell is refused, unless [--skip-unfit]:\n"
            "                              then cells this radio cannot hold stay as they were",
        .importSin = "put the channels of another program's OTHER.sin into BASE.sin\n"
            "                              and save OUT.sin (its settings are not carried); the\n"
            "                              program by the file's length, or [--from PROGRAM];\n"
            "                              [--skip-unfit] as for --import-csv",
        .diff = "show how B.sin differs from A.sin, both as the program saves them:\n"
            "                              channels column by column, then settings, then other\n"
            "                              bytes (exit 0 identical, 5 different, 2 file error)",
        .printPdf = "print the report of a file into a PDF file and exit",
    };
    static const CommandLineTexts chinese{
        .usage = "用法：%1 [--port PORT] [FILE.sin]\n"
            "  或：%1 --screenshot OUT.png [FILE.sin]\n"
            "  或：%1 OPTION ...\n\n"
            "%1 为 %3 个信道的对讲机写频（.sin 文件 %4 字节）。\n\n"
            "不带选项时打开程序窗口（给出 FILE.sin 时打开该文件）；--port 预先选定\n"
            "端口（COM1..COM4、设备路径，或 virtual 即内置的虚拟对讲机）。\n"
            "--screenshot 保存窗口的图片后退出。\n\n"
            "选项:\n",
        .tail = "  --help                      显示本帮助\n"
            "  --version                   显示软件包版本和“关于”中的版本行\n\n"
            "-- 结束选项，所以名字以“-”开头的文件写在它后面：\n"
            "%1 --new -- -blank.sin\n\n"
            "每次从对讲机完成的读取（在窗口中或用 --read）也保存在\n"
            "%4，文件名为 %1-YYYYMMDD-HHMMSS.sin；\n"
            "保留最近的 %2 个。\n\n"
            "每个命令的帮助（窗口中按 F1）：%3\n\n"
            "退出状态：0 完成，1 用法错误，2 文件错误，3 连接错误，4 拒绝或取消，\n"
            "5 文件不同（--diff；相同时为 0）。\n",
        .newDocument = "保存一个新文档后退出",
        .read = "把对讲机读入 OUT.sin（--port PORT [--retries N]%1）",
        .write = "把 IN.sin 写入对讲机（--port PORT [--port PORT2 ...] [--verify]\n"
            "                              [--retries N]%1）；\n"
            "                              --verify 读回写入的范围并比较；给出多个 --port 时\n"
            "                              同时写入所有对讲机，每个端口一行结果；长于 %2 字节\n"
            "                              的文件（其他对讲机的）被拒绝，除非给出 --accept-length",
        .listPorts = "列出找到的串口",
        .exportCsv = "把信道表写成 CSV 文件后退出（[--plan]：只写每个程序都能\n"
            "                              读的列，一份计划供整个机队使用）",
        .importCsv = "把 IN.csv（格式同任一程序的 --export-csv）中的信道放入\n"
            "                              BASE.sin，另存为 OUT.sin；有单元格被拒绝时不写文件，\n"
            "                              除非给出 [--skip-unfit]：本机不能保存的单元格保持不变",
        .importSin = "把另一个程序的 OTHER.sin 中的信道放入 BASE.sin，另存为\n"
            "                              OUT.sin（不带入其设置）；按文件长度确定程序，\n"
            "                              或用 [--from PROGRAM] 指定；[--skip-unfit] 同 --import-csv",
        .diff = "显示 B.sin 与 A.sin 的不同（都按程序保存的样子）：\n"
            "                              先逐列列出信道，再列出设置，最后列出其他字节\n"
            "                              （相同退出 0，不同退出 5，文件错误退出 2）",
        .printPdf = "把文件的报表打印成 PDF 文件后退出",
    };
    return language == Language::English ? english : chinese;
}

CommandHelp commandHelp(std::string CommandLineTexts::*text)
{
    return {commandLineTexts(Language::English).*text, commandLineTexts(Language::Chinese).*text};
}

} // namespace tolvan

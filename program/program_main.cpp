#include "program/program_main.h"

#include "program/command_args.h"
#include "editions/help_page.h"
#include "program/exit_status.h"
#include "program/read_backup.h"
#include "codeplug/path_text.h"
#include "program/version_text.h"
#include "codeplug/sin_file.h"
#include "program/platform.h"

#include <iostream>
#include <utility>

namespace tolvan {
namespace {

std::vector<BatchCommand>& commands()
{
    static std::vector<BatchCommand> list;
    return list;
}

std::string& programPathStore()
{
    static std::string path;
    return path;
}

std::function<MemoryImage(const Edition&)>& newDocumentRule()
{
    static std::function<MemoryImage(const Edition&)> rule = newDocumentImage;
    return rule;
}

WindowMain& windowMain()
{
    static WindowMain main;
    return main;
}

int newDocument(const Edition& edition, const std::vector<std::string>& args)
{
    const CommandArgs a = parseCommandArgs(args, 1, 1);
    if (!a.ok())
        return usageError(edition.id, "--new", a.error);
    std::string detail;
    const std::filesystem::path out = pathFromText(a.names[0]);
    if (saveSin(out, newDocumentRule()(edition), &detail) != SinStatus::Ok) {
        std::cerr << describeSinStatus(SinStatus::CannotWrite, out, edition.imageSize, detail) << '\n';
        return kExitFileError;
    }
    return kExitDone;
}

void printHelp(const Edition& edition, Language language, std::ostream& out)
{
    const bool chinese = language == Language::Chinese;
    const std::string& id = edition.id;
    if (chinese)
        out << "用法：" << id << " [--port PORT] [FILE.sin]\n"
            << "  或：" << id << " --screenshot OUT.png [FILE.sin]\n"
            << "  或：" << id << " OPTION ...\n\n"
            << id << " 为 " << edition.channelCount << " 个信道的对讲机写频（.sin 文件 " << edition.imageSize
            << " 字节）。\n\n"
            << "不带选项时打开程序窗口（给出 FILE.sin 时打开该文件）；--port 预先选定\n"
            << "端口（COM1..COM4、设备路径，或 virtual 即内置的虚拟对讲机）。\n"
            << "--screenshot 保存窗口的图片后退出。\n\n"
            << "选项:\n";
    else
        out << "Usage: " << id << " [--port PORT] [FILE.sin]\n"
            << "  or:  " << id << " --screenshot OUT.png [FILE.sin]\n"
            << "  or:  " << id << " OPTION ...\n\n"
            << id << " is for the " << edition.radio << " (" << edition.channelCount
            << " channels, .sin files of " << edition.imageSize << " bytes).\n\n"
            << "Without an option the program window opens (with FILE.sin, if given); --port\n"
            << "preselects the port (COM1..COM4, a device path, or virtual for the built-in\n"
            << "virtual radio). --screenshot saves a picture of the window and exits.\n\n"
            << "Options:\n";
    for (const BatchCommand& c : commands()) {
        // A head too long for its column puts the help on the next line, so
        // that at least two blanks always part them (the manual pages split there).
        std::string head = c.option + (c.argument.empty() ? "" : " " + c.argument);
        if (head.size() + 2 <= 28)
            head.resize(28, ' ');
        else
            head += "\n" + std::string(30, ' ');
        out << "  " << head
            << (c.helpFor ? c.helpFor(edition, language) : chinese ? c.help.chinese : c.help.english) << '\n';
    }
    // The program's own help pages, as the window's F1 opens them.
    std::string helpPages = std::string(TOLVAN_DATA_DIR) + '/' + edition.id + '/';
    const char* separator = "";
    for (Language language : helpLanguages(edition))
        helpPages += std::exchange(separator, ", ") + std::string(helpFileName(language));
    if (chinese)
        out << "  --help                      显示本帮助\n"
            << "  --version                   显示软件包版本和“关于”中的版本行\n\n"
            << "-- 结束选项，所以名字以“-”开头的文件写在它后面：\n"
            << id << " --new -- -blank.sin\n\n"
            << "每次从对讲机完成的读取（在窗口中或用 --read）也保存在\n"
            << "~/.local/share/tolvan/backups（设置了 $XDG_DATA_HOME 时为\n"
            << "$XDG_DATA_HOME/tolvan/backups），文件名为 " << id << "-YYYYMMDD-HHMMSS.sin；\n"
            << "保留最近的 " << kReadBackupsKept << " 个。\n\n"
            << "每个命令的帮助（窗口中按 F1）：" << helpPages << "\n\n"
            << "退出状态：0 完成，1 用法错误，2 文件错误，3 连接错误，4 拒绝或取消，\n"
            << "5 文件不同（--diff；相同时为 0）。\n";
    else
        out << "  --help                      show this help\n"
            << "  --version                   show the package version and the About version line\n\n"
            << "-- ends the options, so a file whose name begins with \"-\" is named after it:\n"
            << id << " --new -- -blank.sin\n\n"
            << "Every completed read from a radio, in the window or with --read, is also kept\n"
            << "in ~/.local/share/tolvan/backups ($XDG_DATA_HOME/tolvan/backups when it is set)\n"
            << "as " << id << "-YYYYMMDD-HHMMSS.sin; the last " << kReadBackupsKept << " are kept.\n\n"
            << "Help on every command (F1 in the window): " << helpPages << "\n\n"
            << "Exit status: 0 done, 1 usage, 2 file error, 3 link error, 4 declined or cancelled,\n"
            << "5 the files differ (--diff; 0 when they are identical).\n";
}

void registerBuiltins()
{
    static const bool once = [] {
        commands().insert(commands().begin(),
                          BatchCommand{"--new", "OUT.sin", {"save a new document and exit", "保存一个新文档后退出"}, newDocument});
        return true;
    }();
    (void)once;
}

} // namespace

Language helpLanguage(const Edition& edition, bool systemIsChinese)
{
    return edition.languages != LanguageChoice::EnglishOnly && systemIsChinese ? Language::Chinese : Language::English;
}

void registerBatchCommand(BatchCommand command)
{
    commands().push_back(std::move(command));
}

void setNewDocumentRule(std::function<MemoryImage(const Edition&)> rule)
{
    newDocumentRule() = std::move(rule);
}

void setWindowMain(WindowMain main)
{
    windowMain() = std::move(main);
}

const std::string& programPath()
{
    return programPathStore();
}

namespace {

int dispatch(const Edition& edition, int argc, char** argv)
{
    std::vector<std::string> args = programArguments(argc, argv);
    programPathStore() = args.empty() ? "" : args.front();
    if (!args.empty())
        args.erase(args.begin());
    registerBuiltins();
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        if (args.size() > 1)
            return usageError(edition.id, args[0], "takes no arguments, not " + args[1]);
        printHelp(edition, helpLanguage(edition, systemLanguageIsChinese()), std::cout);
        return kExitDone;
    }
    if (!args.empty() && args[0] == "--version") {
        if (args.size() > 1)
            return usageError(edition.id, args[0], "takes no arguments, not " + args[1]);
        // Unlike the window, asking for the version creates no ini file.
        Edition quiet = edition;
        quiet.createsIniFile = false;
        std::cout << versionText(edition, decideStartupLanguage(quiet, programPath(), systemLanguageIsChinese()));
        return kExitDone;
    }
    if (!args.empty() && args[0].rfind("--", 0) == 0) {
        for (const BatchCommand& c : commands()) {
            if (c.option != args[0])
                continue;
            const std::vector<std::string> rest(args.begin() + 1, args.end());
            if (!c.argument.empty() && rest.empty()) {
                std::cerr << edition.id << ": " << c.option << " needs " << c.argument << "\n";
                return kExitUsage;
            }
            return c.run(edition, rest);
        }
        if (!windowMain()) {
            std::cerr << edition.id << ": unknown option " << args[0] << "\n\n";
            printHelp(edition, helpLanguage(edition, systemLanguageIsChinese()), std::cerr);
            return kExitUsage;
        }
    }
    if (windowMain())
        return windowMain()(edition, argc, argv);
    std::cerr << edition.id << ": the program window is not part of this build; use an option.\n\n";
    printHelp(edition, helpLanguage(edition, systemLanguageIsChinese()), std::cerr);
    return kExitUsage;
}

} // namespace

int runProgram(const Edition& edition, int argc, char** argv)
{
    // A reader of our stderr that goes away must not end a transfer half done
    // (the exit status tells what happened to the radio and the file), and a
    // file size limit must show as a failed save, not kill the program.
    prepareStandardStreams();
    return boundedExitStatus(dispatch(edition, argc, argv));
}

} // namespace tolvan

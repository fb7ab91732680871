#include "program/program_main.h"

#include "program/help_texts.h"

#include "program/command_args.h"
#include "editions/help_page.h"
#include "program/exit_status.h"
#include "program/read_backup.h"
#include "codeplug/path_text.h"
#include "codeplug/text_util.h"
#include "program/version_text.h"
#include "codeplug/sin_file.h"
#include "program/place_texts.h"
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
    const CommandLineTexts& texts = commandLineTexts(language);
    out << filledIn(texts.usage, {edition.id, edition.radio, std::to_string(edition.channelCount),
                                  std::to_string(edition.imageSize)});
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
    std::string helpPages = helpPagesPlaceText(edition.id);
    const char* separator = "";
    for (Language page : helpLanguages(edition))
        helpPages += std::exchange(separator, ", ") + std::string(helpFileName(page));
    out << filledIn(texts.tail,
                    {edition.id, std::to_string(kReadBackupsKept), helpPages, readBackupPlaceText(language)});
}

void registerBuiltins()
{
    static const bool once = [] {
        commands().insert(commands().begin(),
                          BatchCommand{"--new", "OUT.sin", commandHelp(&CommandLineTexts::newDocument), newDocument});
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

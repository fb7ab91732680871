#include "report/report_commands.h"
#include "program/help_texts.h"
#include "program/qt/offscreen_platform.h"
#include "codeplug/path_text.h"

#include "program/command_args.h"
#include "program/command_file.h"
#include "program/exit_status.h"
#include "program/program_main.h"
#include "program/startup_language.h"
#include "codeplug/sin_file.h"
#include "editor/channel_table.h"
#include "report/form_list_texts.h"
#include "report/qt/report_print.h"

#include <QGuiApplication>

#include <iostream>
#include <memory>

namespace tolvan {
namespace {

int printPdf(const Edition& edition, const std::vector<std::string>& args)
{
    const CommandArgs a = parseCommandArgs(args, 2, 2);
    if (!a.ok())
        return usageError(edition.id, "--print-pdf", a.error + " (IN.sin OUT.pdf)");
    if (reportPageCount(edition) == 0) {
        std::cerr << edition.id << ": this program has no printed report\n";
        return kExitUsage;
    }
    const std::filesystem::path in = pathFromText(a.names[0]);
    const std::filesystem::path out = pathFromText(a.names[1]);
    const OutputRules rules{.input = in, .isExport = true};
    if (const FileResult target = checkOutputFile(out, rules); !target.ok())
        return outputFault(target, out);
    const auto startup = batchStartupLanguage(edition, programPath());
    if (!startup)
        return kExitFileError;
    const Language language = startup->language;
    const std::optional<MemoryImage> loaded = loadCommandFile(edition, in, language);
    if (!loaded)
        return kExitFileError;

    // Drawing text needs a GUI application, but no display: batch mode runs
    // on the offscreen platform unless the caller chose one.
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        useOffscreenPlatform();
        static int argc = 1;
        static char name[] = "tolvan";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    const MemoryImage& image = *loaded;
    ChannelTable table(edition, language);
    table.loadFromImage(image);
    const ReportInput input(edition, language, table, formListTextsFromImage(edition, language, image), image);

    QString error;
    FileFault fault = FileFault::None;
    if (!writeReportPdf(out, input, &error, false, rules, &fault)) {
        std::cerr << error.toStdString() << '\n';
        return isUsageFault(fault) ? kExitUsage : kExitFileError;
    }
    return kExitDone;
}

} // namespace

void registerReportCommands()
{
    registerBatchCommand({"--print-pdf", "IN.sin OUT.pdf",
                          commandHelp(&CommandLineTexts::printPdf),
                          printPdf});
}

} // namespace tolvan

#include "report/report_commands.h"

#include "program/exit_status.h"
#include "program/program_main.h"
#include "codeplug/sin_file.h"
#include "editor/channel_table.h"
#include "report/form_list_texts.h"
#include "report/qt/report_print.h"

#include <QGuiApplication>
#include <QLocale>

#include <iostream>
#include <memory>

namespace tolvan {
namespace {

int printPdf(const Edition& edition, const std::vector<std::string>& args)
{
    if (args.size() != 2) {
        std::cerr << edition.id << ": --print-pdf needs IN.sin OUT.pdf\n";
        return kExitUsage;
    }
    if (reportPageCount(edition) == 0) {
        std::cerr << edition.id << ": this program has no printed report\n";
        return kExitUsage;
    }
    const std::filesystem::path in = args[0];
    const SinLoadResult loaded = loadSin(in, edition.imageSize);
    if (loaded.status != SinStatus::Ok) {
        std::cerr << describeSinStatus(loaded.status, in, edition.imageSize, loaded.detail) << '\n';
        return kExitFileError;
    }

    // Drawing text needs a GUI application, but no display: batch mode runs
    // on the offscreen platform unless the caller chose one.
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tolvan";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    const Language language = QLocale::system().language() == QLocale::Chinese ? Language::Chinese : Language::English;
    const MemoryImage& image = *loaded.image;
    ChannelTable table(edition, language);
    table.loadFromImage(image);
    const ReportInput input(edition, language, table, formListTextsFromImage(edition, language, image), image);

    QString error;
    if (!writeReportPdf(QString::fromStdString(args[1]), input, &error, false)) {
        std::cerr << edition.id << ": could not write " << args[1] << ": " << error.toStdString() << '\n';
        return kExitFileError;
    }
    return kExitDone;
}

} // namespace

void registerReportCommands()
{
    registerBatchCommand({"--print-pdf", "IN.sin OUT.pdf", "print the report of a file into a PDF file and exit",
                          printPdf});
}

} // namespace tolvan

#include "editor/table_csv_import.h"

#include "codeplug/path_text.h"
#include "codeplug/sin_file.h"
#include "editor/edit_texts.h"
#include "program/command_args.h"
#include "program/command_file.h"
#include "program/exit_status.h"
#include "program/help_texts.h"
#include "program/program_main.h"
#include "program/sin_status_text.h"
#include "program/startup_language.h"

#include <iostream>

namespace tolvan {
namespace {

// --import-csv IN.csv BASE.sin OUT.sin and --import-sin OTHER.sin BASE.sin
// OUT.sin: one import, from a list or from another program's image.
int importCommand(const Edition& edition, const std::vector<std::string>& args, bool fromImage)
{
    const std::string option = fromImage ? "--import-sin" : "--import-csv";
    const std::string names = fromImage ? " (OTHER.sin BASE.sin OUT.sin)" : " (IN.csv BASE.sin OUT.sin)";
    std::vector<OptionRule> options{{"--skip-unfit", ""}};
    if (fromImage)
        options.push_back({"--from", "PROGRAM"});
    const CommandArgs a = parseCommandArgs(args, 3, 3, options);
    if (!a.ok())
        return usageError(edition.id, option, a.error + names);
    std::optional<const Edition*> imageOf;
    if (fromImage) {
        imageOf = a.has("--from") ? findEdition(a.value("--from")) : nullptr;
        if (a.has("--from") && !*imageOf)
            return usageError(edition.id, "--from", "no program is called " + a.value("--from"));
    }
    const std::filesystem::path inPath = pathFromText(a.names[0]), basePath = pathFromText(a.names[1]),
                                outPath = pathFromText(a.names[2]);
    // As every export: OUT is neither input under any name, which would
    // replace the list or the base with the result.
    const OutputRules rules{.input = inPath, .secondInput = basePath};
    if (const FileResult target = checkOutputFile(outPath, rules); !target.ok())
        return outputFault(target, outPath);
    const auto startup = batchStartupLanguage(edition, programPath());
    if (!startup)
        return kExitFileError;
    const Language language = startup->language;
    std::optional<MemoryImage> base = loadCommandFile(edition, basePath, language);
    if (!base)
        return kExitFileError;
    const CsvFileImport result = importChannelFile(edition, language, inPath, inPath.string(), *base,
                                                   {.skipUnfit = a.has("--skip-unfit")}, imageOf);
    if (!result.ok) {
        std::cerr << result.message << (result.layoutOpen ? csvImportTexts(edition.uiLanguage(language)).nameTheProgram : "")
                  << '\n';
        return kExitFileError;
    }
    for (const std::string& note : result.notes)
        std::cerr << note << '\n';
    std::string detail;
    if (saveSin(outPath, *base, &detail, rules) != SinStatus::Ok) {
        std::cerr << sinStatusText(SinStatus::CannotWrite, outPath, edition.imageSize, detail,
                                   edition.uiLanguage(language))
                  << '\n';
        return kExitFileError;
    }
    std::cerr << result.channelsChanged << csvImportTexts(edition.uiLanguage(language)).imported << '\n';
    return kExitDone;
}

} // namespace

void registerTableImport()
{
    registerBatchCommand({"--import-csv", "IN.csv BASE.sin OUT.sin",
                          commandHelp(&CommandLineTexts::importCsv),
                          [](const Edition& e, const std::vector<std::string>& args) { return importCommand(e, args, false); }});
    registerBatchCommand({"--import-sin", "OTHER.sin BASE.sin OUT.sin",
                          commandHelp(&CommandLineTexts::importSin),
                          [](const Edition& e, const std::vector<std::string>& args) { return importCommand(e, args, true); }});
}

} // namespace tolvan

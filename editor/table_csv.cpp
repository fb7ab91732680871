#include "editor/table_csv.h"
#include "program/help_texts.h"
#include "codeplug/path_text.h"

#include "program/command_args.h"
#include "program/command_file.h"
#include "program/exit_status.h"
#include "program/program_main.h"
#include "program/startup_language.h"
#include "codeplug/sin_file.h"

#include <iostream>
#include <utility>

namespace tolvan {

namespace {

bool spreadsheetWouldChange(std::string_view text, bool freeText)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    if (std::string_view("-+=@").find(text[first]) != std::string_view::npos)
        return true;
    return freeText && text.find_first_of("0123456789") != std::string_view::npos;
}

} // namespace

std::string unprotectedField(std::string_view field)
{
    if (field.starts_with('\''))
        field.remove_prefix(1);
    return std::string(field);
}

std::string csvField(std::string_view given, bool freeText)
{
    std::string protectedText;
    if (spreadsheetWouldChange(given, freeText))
        protectedText.append(1, '\'').append(given);
    const std::string_view text = protectedText.empty() ? given : std::string_view(protectedText);
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos
                       || (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

bool inPlan(Column column)
{
    switch (column) {
    case Column::Signal:
    case Column::PttId:
    case Column::Busy:
    case Column::More:
        return false;
    default:
        return true;
    }
}

std::string channelTableCsv(const ChannelTable& table, bool plan)
{
    std::string out;
    for (int row = 0; row < table.rowCount(); ++row) {
        bool first = true;
        for (int col = 0; col < table.columnCount(); ++col) {
            if (plan && !inPlan(table.columnAt(col)))
                continue;
            if (!std::exchange(first, false))
                out += ',';
            out += csvField(table.cell(row, col), row > 0 && table.columnAt(col) == Column::Name);
        }
        out += "\r\n";
    }
    return out;
}

namespace {

int exportCsv(const Edition& edition, const std::vector<std::string>& args, std::string_view programPath)
{
    const CommandArgs a = parseCommandArgs(args, 2, 2, {{"--plan", ""}});
    if (!a.ok())
        return usageError(edition.id, "--export-csv", a.error + " (IN.sin OUT.csv)");
    const std::filesystem::path inPath = pathFromText(a.names[0]);
    const std::filesystem::path outPath = pathFromText(a.names[1]);
    const OutputRules rules{.input = inPath, .isExport = true};
    if (const FileResult target = checkOutputFile(outPath, rules); !target.ok())
        return outputFault(target, outPath);
    const auto language = batchStartupLanguage(edition, programPath);
    if (!language)
        return kExitFileError;
    const std::optional<MemoryImage> in = loadCommandFile(edition, inPath, language->language);
    if (!in)
        return kExitFileError;
    ChannelTable table(edition, language->language);
    table.loadFromImage(*in);
    if (const FileResult written = writeFileSafely(outPath, channelTableCsv(table, a.has("--plan")), rules); !written.ok())
        return outputFault(written, outPath);
    return kExitDone;
}

} // namespace

void registerTableExport()
{
    registerBatchCommand({"--export-csv", "IN.sin OUT.csv",
                          commandHelp(&CommandLineTexts::exportCsv),
                          [](const Edition& edition, const std::vector<std::string>& args) {
                              return exportCsv(edition, args, programPath());
                          }});
}

} // namespace tolvan

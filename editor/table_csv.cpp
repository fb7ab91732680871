#include "editor/table_csv.h"

#include "program/exit_status.h"
#include "program/program_main.h"
#include "program/startup_language.h"
#include "codeplug/sin_file.h"

#include <fstream>
#include <iostream>

namespace tolvan {

std::string csvField(std::string_view text)
{
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

std::string channelTableCsv(const ChannelTable& table)
{
    std::string out;
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int col = 0; col < table.columnCount(); ++col) {
            if (col > 0)
                out += ',';
            out += csvField(table.cell(row, col));
        }
        out += "\r\n";
    }
    return out;
}

namespace {

int exportCsv(const Edition& edition, const std::vector<std::string>& args, std::string_view programPath)
{
    if (args.size() != 2) {
        std::cerr << edition.id << ": --export-csv needs IN.sin OUT.csv\n";
        return kExitUsage;
    }
    const SinLoadResult in = loadSin(args[0], edition.imageSize);
    if (in.status != SinStatus::Ok) {
        std::cerr << describeSinStatus(in.status, args[0], edition.imageSize, in.detail) << '\n';
        return kExitFileError;
    }
    const Language language = decideStartupLanguage(edition, programPath, systemLanguageIsChinese()).language;
    ChannelTable table(edition, language);
    table.loadFromImage(*in.image);
    const std::string csv = channelTableCsv(table);
    std::ofstream out(args[1], std::ios::binary | std::ios::trunc);
    out << csv;
    out.close();
    if (!out) {
        std::cerr << edition.id << ": cannot write " << args[1] << '\n';
        return kExitFileError;
    }
    return kExitDone;
}

} // namespace

void registerTableExport()
{
    registerBatchCommand({"--export-csv", "IN.sin OUT.csv", "write the channel table as CSV and exit",
                          [](const Edition& edition, const std::vector<std::string>& args) {
                              return exportCsv(edition, args, programPath());
                          }});
}

} // namespace tolvan

#include "editor/table_csv_import.h"
#include "program/help_texts.h"
#include "codeplug/path_text.h"

#include "codeplug/sin_file.h"
#include "codeplug/text_util.h"
#include "codeplug/tone_list.h"
#include "editions/record_codec.h"
#include "editor/cell_editing.h"
#include "editor/channel_table.h"
#include "editor/edit_texts.h"
#include "editor/form_settings.h"
#include "editor/table_csv.h"
#include "editor/undo_stack.h"
#include "program/command_args.h"
#include "program/command_file.h"
#include "program/exit_status.h"
#include "program/program_main.h"
#include "program/sin_status_text.h"
#include "program/startup_language.h"

#include <iostream>

namespace tolvan {
namespace {

// A plain decimal number written the shortest way ("0145.520" -> "145.52");
// nothing when the text is not one. A spreadsheet rewrites the program's
// numbers so ("145.52000" -> "145.52", "67.0" -> "67") and keeps their value.
std::optional<std::string> plainNumber(std::string_view text)
{
    const std::string t = trim(text);
    std::string whole, fraction;
    bool point = false;
    for (char c : t) {
        if (c == '.' && !point)
            point = true;
        else if (c >= '0' && c <= '9')
            (point ? fraction : whole) += c;
        else
            return std::nullopt;
    }
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    whole.erase(0, whole.find_first_not_of('0'));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return whole + "." + fraction;
}

// The same number in both texts, where a cell holds a number.
bool sameNumber(EditorKind kind, std::string_view a, std::string_view b)
{
    if (kind != EditorKind::Frequency && kind != EditorKind::Tone)
        return false;
    const auto x = plainNumber(a);
    return x && x == plainNumber(b);
}

// The tone list's own text for a tone given as a number ("67" for "67.0").
std::optional<std::string> toneOfNumber(std::string_view text)
{
    const auto number = plainNumber(text);
    if (!number)
        return std::nullopt;
    for (const std::string& tone : ToneList::instance().texts())
        if (plainNumber(tone) == number)
            return tone;
    return std::nullopt;
}

// The headers of a column in both languages, as the export writes them.
bool headerMatches(const Edition& edition, std::size_t col, const std::string& header)
{
    for (const EditionTexts* t : {&edition.english, &edition.chinese})
        if (col < t->headers.size() && trim(t->headers[col]) == header)
            return true;
    return false;
}

struct Importer {
    const Edition& edition;
    Language language;
    ChannelTable table;
    UndoStack undo;
    CellEditing editing;
    FormSettings form;
    std::optional<ChannelTable> other;  // the other language's words
    std::optional<CellEditing> otherEditing;
    UndoStack otherUndo;

    Importer(const Edition& e, Language l, const MemoryImage& image)
        : edition(e), language(l), table(e, l), editing(table, undo), form(e)
    {
        table.loadFromImage(image);
        form.loadFromImage(image);
        const Language otherLanguage = e.uiLanguage(l) == Language::English ? Language::Chinese : Language::English;
        if (e.uiLanguage(otherLanguage) == otherLanguage && !e.texts(otherLanguage).headers.empty()) {
            other.emplace(e, otherLanguage);
            otherEditing.emplace(*other, otherUndo);
        }
        int field = -1;
        for (int i = 0; i < form.count(); ++i)
            if (form.list(i).label == "Field")
                field = i;
        editing.bandOfForm = [this, field]() -> std::optional<Band> {
            const int index = field < 0 ? -1 : form.selection(field);
            if (index < 0 || index >= static_cast<int>(edition.bands.size()))
                return std::nullopt;
            return edition.bands[static_cast<std::size_t>(index)];
        };
    }

    // The word of this language for a word of either; empty when it is none.
    std::optional<std::string> word(int col, const std::string& text)
    {
        const auto items = editing.editorItems(col);
        for (const auto& list : {items, otherEditing ? otherEditing->editorItems(col) : std::vector<std::string>{}})
            for (std::size_t i = 0; i < list.size() && i < items.size(); ++i)
                if (list[i] == text)
                    return items[i];
        return std::nullopt;
    }

    // One cell as typed: returns the reason it was refused, if it was.
    std::optional<std::string> typeCell(int row, int col, std::string text, const CsvImportTexts& t)
    {
        const EditorKind kind = editing.editorKind(col);
        if (kind == EditorKind::None || text == table.cell(row, col) || sameNumber(kind, text, table.cell(row, col)))
            return std::nullopt;
        switch (kind) {
        case EditorKind::Words:
            // A channel without frequencies shows no words; one without
            // signalling shows an empty signalling cell.
            if (text.empty() && (editing.bothFrequenciesEmpty(row) || table.columnAt(col) == Column::Signal))
                break;
            if (const auto w = word(col, text))
                text = *w;
            else
                return t.badWord;
            break;
        case EditorKind::Tone:
            if (!text.empty() && ToneList::instance().find(text) < 0) {
                const auto tone = toneOfNumber(text);
                if (!tone)
                    return t.badTone;
                text = *tone;
            }
            break;
        case EditorKind::Name: {
            std::string upper = text;
            for (char& c : upper)
                if (c >= 'a' && c <= 'z')
                    c = static_cast<char>(c - 'a' + 'A');
            if (nameEntryText(text) != upper)
                return t.badName;
            text = upper;
            break;
        }
        case EditorKind::Frequency:
            text = trim(text);
            break;
        case EditorKind::None:
            break;
        }
        editing.enterCell(row, col);
        editing.openEditor(OpenKey::Enter);
        editing.setEditorText(text);
        const auto notices = editing.leaveCell();
        if (!notices.empty())
            return notices.front().text;
        return std::nullopt;
    }
};

} // namespace

std::vector<CsvRow> parseCsv(std::string_view text, std::optional<CsvImportError>* error)
{
    std::vector<CsvRow> rows;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        CsvRow row{line, {}};
        std::string field;
        bool endOfRow = false;
        while (!endOfRow) {
            if (i < text.size() && text[i] == '"') {
                const int quoteLine = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        if (error)
                            *error = CsvImportError{quoteLine, static_cast<int>(row.fields.size()) + 1, {}};
                        return {};
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == '\n')
                        ++line;
                    field += text[i++];
                }
            }
            while (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r')
                field += text[i++];
            row.fields.push_back(std::move(field));
            field.clear();
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            if (i < text.size() && text[i] == '\r')
                ++i;
            if (i < text.size() && text[i] == '\n')
                ++i;
            ++line;
            endOfRow = true;
        }
        const bool blank = row.fields.size() == 1 && row.fields[0].empty();
        if (!blank)
            rows.push_back(std::move(row));
    }
    return rows;
}

CsvImportResult importChannelCsv(const Edition& edition, Language language, std::string_view csv, MemoryImage& image)
{
    const CsvImportTexts& t = csvImportTexts(edition.uiLanguage(language));
    auto fail = [](int line, int column, std::string message) {
        return CsvImportResult{CsvImportError{line, column, std::move(message)}, 0};
    };
    std::optional<CsvImportError> parseError;
    std::vector<CsvRow> rows = parseCsv(csv, &parseError);
    if (parseError)
        return fail(parseError->line, parseError->column, t.unclosedQuote);
    for (CsvRow& row : rows)
        for (std::string& field : row.fields)
            field = unprotectedField(field);
    if (rows.empty())
        return fail(1, 1, t.noChannelColumn);

    // The header line names the table column of every field.
    const CsvRow& header = rows.front();
    std::vector<int> columnOfField;
    for (std::size_t f = 0; f < header.fields.size(); ++f) {
        const std::string name = trim(header.fields[f]);
        int found = -1;
        for (std::size_t col = 0; col < edition.columns.size() && found < 0; ++col)
            if (headerMatches(edition, col, name))
                found = static_cast<int>(col);
        const int field = static_cast<int>(f) + 1;
        if (found < 0)
            return fail(header.line, field, t.unknownColumn);
        if (std::find(columnOfField.begin(), columnOfField.end(), found) != columnOfField.end())
            return fail(header.line, field, t.columnTwice);
        columnOfField.push_back(found);
    }
    const auto channelField = std::find(columnOfField.begin(), columnOfField.end(), 0);
    if (channelField == columnOfField.end())
        return fail(header.line, 1, t.noChannelColumn);
    const std::size_t channelAt = static_cast<std::size_t>(channelField - columnOfField.begin());

    Importer importer(edition, language, image);
    ChannelTable before(edition, language);
    before.loadFromImage(image);
    std::vector<bool> seen(static_cast<std::size_t>(edition.channelCount) + 1, false);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        if (row.fields.size() != columnOfField.size())
            return fail(row.line, static_cast<int>(std::min(row.fields.size(), columnOfField.size())) + 1, t.fieldCount);
        const std::string number = trim(row.fields[channelAt]);
        int channel = 0;
        // A number gone wrong stays wrong: a digit after it must not grow it
        // (a long run of digits would overflow).
        for (char c : number)
            channel = c >= '0' && c <= '9' && channel >= 0 && channel <= edition.channelCount ? channel * 10 + (c - '0')
                                                                                             : -1;
        if (number.empty() || channel < 1 || channel > edition.channelCount)
            return fail(row.line, static_cast<int>(channelAt) + 1, t.badChannel);
        if (seen[static_cast<std::size_t>(channel)])
            return fail(row.line, static_cast<int>(channelAt) + 1, t.channelTwice);
        seen[static_cast<std::size_t>(channel)] = true;
        // Frequencies first, as a user fills a new row; then left to right.
        std::vector<std::size_t> order;
        for (Column first : {Column::Receive, Column::Transmit})
            for (std::size_t f = 0; f < columnOfField.size(); ++f)
                if (edition.columns[static_cast<std::size_t>(columnOfField[f])] == first)
                    order.push_back(f);
        for (std::size_t f = 0; f < columnOfField.size(); ++f)
            if (std::find(order.begin(), order.end(), f) == order.end())
                order.push_back(f);
        for (std::size_t f : order)
            if (auto refused = importer.typeCell(channel, columnOfField[f], row.fields[f], t))
                return fail(row.line, static_cast<int>(f) + 1, *refused);
    }

    // Only channels that changed are written, so the rest keep every byte.
    MemoryImage result = image;
    CsvImportResult out;
    for (int ch = 1; ch <= edition.channelCount; ++ch) {
        const ChannelFields fields = importer.table.channelOfRow(ch);
        if (fields == before.channelOfRow(ch))
            continue;
        // A cell can read differently and still store the same bytes (an
        // empty cell for a default): only a channel whose bytes change counts.
        MemoryImage written = result;
        edition.records().write(edition, written, ch, fields);
        if (written == result)
            continue;
        result = std::move(written);
        ++out.channelsChanged;
    }
    image = std::move(result);
    return out;
}

std::string describeImportError(const Edition& edition, Language language, const CsvImportError& error)
{
    return filledIn(csvImportTexts(edition.uiLanguage(language)).where,
                    {std::to_string(error.line), std::to_string(error.column)})
           + error.message;
}

CsvFileImport importChannelFile(const Edition& edition, Language language, const std::filesystem::path& file,
                                const std::string& shownName, MemoryImage& image)
{
    std::string csv;
    if (const FileResult read = readWholeFile(file, csv, kChannelCsvLimit); !read.ok())
        return {false, 0, csvImportTexts(edition.uiLanguage(language)).cannotRead + shownName + ": "
                          + fileReasonText(read.reason, edition.uiLanguage(language))};
    const CsvImportResult result = importChannelCsv(edition, language, csv, image);
    if (result.error)
        return {false, 0, shownName + ": " + describeImportError(edition, language, *result.error)};
    return {true, result.channelsChanged, {}};
}

namespace {

int importCommand(const Edition& edition, const std::vector<std::string>& args)
{
    const CommandArgs a = parseCommandArgs(args, 3, 3);
    if (!a.ok())
        return usageError(edition.id, "--import-csv", a.error + " (IN.csv BASE.sin OUT.sin)");
    const std::filesystem::path csvPath = pathFromText(a.names[0]), basePath = pathFromText(a.names[1]),
                                outPath = pathFromText(a.names[2]);
    // As every export: OUT is neither input under any name, which would
    // replace the list or the base with the result.
    const OutputRules rules{.input = csvPath, .secondInput = basePath};
    if (const FileResult target = checkOutputFile(outPath, rules); !target.ok())
        return outputFault(target, outPath);
    const auto startup = batchStartupLanguage(edition, programPath());
    if (!startup)
        return kExitFileError;
    const Language language = startup->language;
    std::optional<MemoryImage> base = loadCommandFile(edition, basePath, language);
    if (!base)
        return kExitFileError;
    const CsvFileImport result = importChannelFile(edition, language, csvPath, csvPath.string(), *base);
    if (!result.ok) {
        std::cerr << result.message << '\n';
        return kExitFileError;
    }
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
                          importCommand});
}

} // namespace tolvan

#include "editor/table_csv_import.h"
#include "program/help_texts.h"
#include "codeplug/path_text.h"

#include "codeplug/sin_file.h"
#include "codeplug/text_util.h"
#include "codeplug/tone_list.h"
#include "editions/file_owners.h"
#include "editions/record_codec.h"
#include "editor/cell_editing.h"
#include "editor/channel_table.h"
#include "editor/edit_texts.h"
#include "editor/foreign_cells.h"
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

namespace {

// What a header line's field stands for in the target's table.
struct FieldColumn {
    int col = -1;       // the target's column; -1: nothing of the target's
    std::string shown;  // the column's name in the target's language
    bool ignored = false;  // a value the target has no place for: named once
};

// The target's own headers first; then those of the other programs, whose
// columns arrive by meaning, or are named as ignored where the target has no
// such column. "More" holds no value and goes unnamed.
std::optional<FieldColumn> fieldColumn(const Edition& edition, Language ui, const std::string& header,
                                       const Edition* author)
{
    for (std::size_t col = 0; col < edition.columns.size(); ++col)
        if (headerMatches(edition, col, header))
            return FieldColumn{static_cast<int>(col), trim(edition.texts(ui).headers.at(col))};
    const auto owner = headerOfAnyProgram(header, author);
    if (!owner)
        return std::nullopt;
    const auto at = std::find(edition.columns.begin(), edition.columns.end(), owner->meaning());
    if (at != edition.columns.end())
        return FieldColumn{static_cast<int>(at - edition.columns.begin()), headerIn(*owner, ui)};
    return FieldColumn{-1, headerIn(*owner, ui), owner->meaning() != Column::More};
}

bool hasContent(const CsvRow& row, const std::vector<FieldColumn>& columns, const Edition& edition)
{
    for (std::size_t f = 0; f < columns.size(); ++f) {
        const Column c = columns[f].col < 0 ? Column::More : edition.columns[static_cast<std::size_t>(columns[f].col)];
        if ((c == Column::Receive || c == Column::Transmit || c == Column::Name) && !trim(row.fields[f]).empty())
            return true;
    }
    return false;
}

// No program numbers a channel beyond this: a larger number is no channel of any list.
int largestChannelCount()
{
    int most = 0;
    for (const Edition* e : allEditions())
        most = std::max(most, e->channelCount);
    return most;
}

void noteOnce(std::vector<std::string>& names, const std::string& name)
{
    if (std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
}

} // namespace

CsvImportResult importChannelCsv(const Edition& edition, Language language, std::string_view csv, MemoryImage& image,
                                 ImportOptions options)
{
    const Language ui = edition.uiLanguage(language);
    const CsvImportTexts& t = csvImportTexts(ui);
    auto fail = [](int line, int column, std::string message) {
        return CsvImportResult{CsvImportError{line, column, std::move(message)}, 0, {}, {}};
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
    CsvImportResult out;
    const CsvRow& header = rows.front();
    std::vector<FieldColumn> columnOfField;
    const Edition* author = likelyAuthor(header.fields);
    for (std::size_t f = 0; f < header.fields.size(); ++f) {
        const auto found = fieldColumn(edition, ui, trim(header.fields[f]), author);
        const int field = static_cast<int>(f) + 1;
        if (!found)
            return fail(header.line, field, t.unknownColumn);
        const bool twice = std::any_of(columnOfField.begin(), columnOfField.end(), [&](const FieldColumn& c) {
            return found->col >= 0 ? c.col == found->col : (found->ignored && c.shown == found->shown);
        });
        if (twice)
            return fail(header.line, field, t.columnTwice);
        if (found->ignored)
            noteOnce(out.ignored, found->shown);
        columnOfField.push_back(*found);
    }
    const auto channelField = std::find_if(columnOfField.begin(), columnOfField.end(),
                                           [](const FieldColumn& c) { return c.col == 0; });
    if (channelField == columnOfField.end())
        return fail(header.line, 1, t.noChannelColumn);
    const std::size_t channelAt = static_cast<std::size_t>(channelField - columnOfField.begin());

    Importer importer(edition, language, image);
    ChannelTable before(edition, language);
    before.loadFromImage(image);
    // A cell the target cannot hold: the end of the import, or with
    // skipUnfit one more cell left as it was.
    auto unfit = [&](int line, int column, std::string message) -> std::optional<CsvImportResult> {
        if (!options.skipUnfit)
            return fail(line, column, std::move(message));
        out.skipped.push_back(CsvImportError{line, column, std::move(message)});
        return std::nullopt;
    };
    std::vector<bool> seen(static_cast<std::size_t>(edition.channelCount) + 1, false);
    const int maxChannel = largestChannelCount();
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        if (row.fields.size() != columnOfField.size())
            return fail(row.line, static_cast<int>(std::min(row.fields.size(), columnOfField.size())) + 1, t.fieldCount);
        const std::string number = trim(row.fields[channelAt]);
        int channel = 0;
        // A number gone wrong stays wrong: a digit after it must not grow it
        // (a long run of digits would overflow).
        for (char c : number)
            channel = c >= '0' && c <= '9' && channel >= 0 && channel <= maxChannel ? channel * 10 + (c - '0')
                                                                                         : -1;
        if (number.empty() || channel < 1 || channel > maxChannel)
            return fail(row.line, static_cast<int>(channelAt) + 1, t.badChannel);
        if (channel > edition.channelCount) {
            // A larger radio's list: its empty channels hold nothing to lose,
            // a channel in use is named.
            if (!hasContent(row, columnOfField, edition))
                continue;
            if (auto failed = unfit(row.line, static_cast<int>(channelAt) + 1, t.badChannel))
                return *failed;
            continue;
        }
        if (seen[static_cast<std::size_t>(channel)])
            return fail(row.line, static_cast<int>(channelAt) + 1, t.channelTwice);
        seen[static_cast<std::size_t>(channel)] = true;
        // Frequencies first, as a user fills a new row; then left to right.
        std::vector<std::size_t> order;
        for (Column first : {Column::Receive, Column::Transmit})
            for (std::size_t f = 0; f < columnOfField.size(); ++f)
                if (columnOfField[f].col >= 0 && edition.columns[static_cast<std::size_t>(columnOfField[f].col)] == first)
                    order.push_back(f);
        for (std::size_t f = 0; f < columnOfField.size(); ++f)
            if (std::find(order.begin(), order.end(), f) == order.end())
                order.push_back(f);
        for (std::size_t f : order) {
            const int col = columnOfField[f].col;
            if (col <= 0)
                continue;
            const CarriedCell cell = carriedCell(edition.columns[static_cast<std::size_t>(col)], row.fields[f], importer.table);
            if (cell.ignored) {
                noteOnce(out.ignored, columnOfField[f].shown);
                continue;
            }
            // A refused entry empties its cell (and a row left without
            // frequencies loses its other cells): a skipped one puts the row back.
            std::vector<std::string> kept;
            for (int c = 0; c < importer.table.columnCount(); ++c)
                kept.push_back(importer.table.cell(channel, c));
            if (auto refused = importer.typeCell(channel, col, cell.text, t)) {
                if (auto failed = unfit(row.line, static_cast<int>(f) + 1, *refused))
                    return *failed;
                for (int c = 0; c < importer.table.columnCount(); ++c)
                    importer.table.setCell(channel, c, kept[static_cast<std::size_t>(c)]);
            }
        }
    }

    // Only channels that changed are written, so the rest keep every byte.
    MemoryImage result = image;
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

CsvImportResult importChannelImage(const Edition& edition, Language language, const Edition& source,
                                   const MemoryImage& sourceImage, MemoryImage& image, ImportOptions options)
{
    // The other program's table as its own export writes it, read by the
    // import of a list: one set of rules for a file and a list.
    ChannelTable table(source, Language::English);
    table.loadFromImage(sourceImage);
    CsvImportResult result = importChannelCsv(edition, language, channelTableCsv(table), image, options);
    auto byChannel = [&](CsvImportError& e) {
        e.line -= 1;  // after the header line
        // Named by the target's header: the cell was refused in its column.
        const Column meaning = source.columns.at(static_cast<std::size_t>(e.column - 1));
        const auto at = std::find(edition.columns.begin(), edition.columns.end(), meaning);
        e.columnName = at == edition.columns.end() ? std::string()
                       : trim(edition.texts(language).headers.at(static_cast<std::size_t>(at - edition.columns.begin())));
    };
    if (result.error)
        byChannel(*result.error);
    for (CsvImportError& e : result.skipped)
        byChannel(e);
    return result;
}

std::string describeImportError(const Edition& edition, Language language, const CsvImportError& error)
{
    const CsvImportTexts& t = csvImportTexts(edition.uiLanguage(language));
    if (!error.columnName.empty())
        return filledIn(t.channelWhere, {std::to_string(error.line), error.columnName}) + error.message;
    return filledIn(t.where, {std::to_string(error.line), std::to_string(error.column)}) + error.message;
}

CsvFileImport importChannelFile(const Edition& edition, Language language, const std::filesystem::path& file,
                                const std::string& shownName, MemoryImage& image, ImportOptions options,
                                std::optional<const Edition*> imageOf)
{
    const Language ui = edition.uiLanguage(language);
    const CsvImportTexts& t = csvImportTexts(ui);
    std::size_t largestImage = 0;
    for (const Edition* e : allEditions())
        largestImage = std::max(largestImage, e->imageSize);
    std::string bytes;
    if (const FileResult read = readWholeFile(file, bytes, imageOf ? largestImage : kChannelCsvLimit); !read.ok())
        return {false, 0, t.cannotRead + shownName + ": " + fileReasonText(read.reason, ui), {}};
    CsvImportResult result;
    if (imageOf) {
        // The file's layout: the program named, else those its bytes allow.
        // Where they differ in what this import makes of it, the user names one.
        std::vector<const Edition*> layouts = ownersOfFile(bytes);
        if (*imageOf) {
            const std::vector<const Edition*> sameLength = editionsOfLength(bytes.size());
            layouts.clear();
            if (std::find(sameLength.begin(), sameLength.end(), *imageOf) != sameLength.end())
                layouts.push_back(*imageOf);
        }
        const std::string size = std::to_string(bytes.size());
        if (layouts.empty())
            return {false, 0, shownName + ": " + (*imageOf ? filledIn(t.notOfProgram, {(*imageOf)->id, size})
                                                           : filledIn(t.noProgramsFile, {size})), {}};
        MemoryImage other(bytes.size());
        other.write(0, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
        MemoryImage first = image;
        result = importChannelImage(edition, language, *layouts.front(), other, first, options);
        std::vector<std::string> names;
        bool differ = false;
        for (const Edition* e : layouts) {
            MemoryImage mine = image;
            const CsvImportResult r = importChannelImage(edition, language, *e, other, mine, options);
            differ = differ || mine != first || r.error.has_value() != result.error.has_value();
            names.push_back(e->id);
        }
        if (differ)
            return {false, 0, shownName + ": " + filledIn(t.severalPrograms, {joined(names, t.listSeparator)}), {}, true,
                    layouts};
        if (!result.error)
            image = std::move(first);
    } else {
        result = importChannelCsv(edition, language, bytes, image, options);
    }
    if (result.error)
        return {false, 0, shownName + ": " + describeImportError(edition, language, *result.error), {}};
    CsvFileImport out{true, result.channelsChanged, {}, {}};
    if (!result.ignored.empty())
        out.notes.push_back(t.ignored + joined(result.ignored, t.listSeparator));
    for (const CsvImportError& e : result.skipped)
        out.notes.push_back(t.skipped + describeImportError(edition, language, e));
    return out;
}

} // namespace tolvan

#include "editor/row_clipboard.h"

#include "codeplug/tone_list.h"
#include "editions/record_codec.h"
#include "editor/cell_editing.h"

#include <cstdio>

namespace tolvan {
namespace {

std::vector<std::string> split(std::string_view line, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = line.find(separator, start);
        parts.emplace_back(line.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

std::string checkedFrequency(const Edition& edition, const std::string& text)
{
    if (text.empty())
        return text;
    return checkFrequencyEntry(text, edition.frequencyRule).text;  // empty when refused
}

std::string checkedTone(const std::string& text)
{
    if (text.empty())
        return text;
    const int index = ToneList::instance().find(text);
    return ToneList::instance().at(index < 0 ? 0 : index);
}

constexpr std::string_view kRecordsTag = "tolvan channel records";
constexpr std::size_t kRecordSize = 16;
constexpr std::size_t kNameSize = 8;

// Where a channel's bytes lie: its record, then its name where the radio keeps one.
std::vector<std::pair<std::size_t, std::size_t>> channelBytes(const Edition& edition, int channel)
{
    std::vector<std::pair<std::size_t, std::size_t>> spans{{edition.recordOffset(channel), kRecordSize}};
    if (edition.nameBase)
        spans.emplace_back(*edition.nameBase + kNameSize * static_cast<std::size_t>(channel - 1), kNameSize);
    return spans;
}

} // namespace

std::string copyRecords(const Edition& edition, const MemoryImage& image, const std::vector<int>& rows)
{
    std::string out = std::string(kRecordsTag) + "\n" + edition.id + "\n";
    for (int row : rows) {
        for (const auto& [at, size] : channelBytes(edition, row))
            for (std::uint8_t b : image.bytes(at, size)) {
                char hex[3];
                std::snprintf(hex, sizeof hex, "%02X", b);
                out += hex;
            }
        out += '\n';
    }
    return out;
}

std::vector<int> pasteRecords(ChannelTable& table, MemoryImage& image, int firstRow, std::string_view block,
                              UndoStack& undo)
{
    const Edition& edition = table.edition();
    std::vector<std::string> lines = split(block, '\n');
    if (lines.size() < 2 || lines[0] != kRecordsTag || lines[1] != edition.id || firstRow < 1)
        return {};
    lines.erase(lines.begin(), lines.begin() + 2);
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    std::size_t perChannel = 0;
    for (const auto& span : channelBytes(edition, 1))
        perChannel += span.second;
    std::vector<std::vector<std::uint8_t>> records;
    for (const std::string& line : lines) {
        if (line.size() != 2 * perChannel || line.find_first_not_of("0123456789ABCDEF") != std::string::npos)
            return {};
        std::vector<std::uint8_t> bytes;
        for (std::size_t i = 0; i < line.size(); i += 2)
            bytes.push_back(static_cast<std::uint8_t>(std::stoi(line.substr(i, 2), nullptr, 16)));
        records.push_back(std::move(bytes));
    }
    std::vector<int> rows;
    for (std::size_t i = 0; i < records.size() && firstRow + static_cast<int>(i) < table.rowCount(); ++i)
        rows.push_back(firstRow + static_cast<int>(i));
    if (rows.empty())
        return {};
    undo.begin(table, rows, EditKind::Paste);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::size_t from = 0;
        for (const auto& [at, size] : channelBytes(edition, rows[i])) {
            image.write(at, std::span(records[i]).subspan(from, size));
            from += size;
        }
        table.showChannel(rows[i], edition.records().read(edition, image, rows[i]));
    }
    undo.finish(table);
    return rows;
}

std::string copyRows(const ChannelTable& table, const std::vector<int>& rows)
{
    std::string out;
    for (int row : rows) {
        for (int col = 1; col < table.columnCount(); ++col) {
            if (col > 1)
                out += '\t';
            out += table.cell(row, col);
        }
        out += '\n';
    }
    return out;
}

std::vector<int> pasteRows(ChannelTable& table, int firstRow, std::string_view text, UndoStack& undo)
{
    std::vector<std::string> lines = split(text, '\n');
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    std::vector<int> rows;
    for (std::size_t i = 0; i < lines.size() && firstRow + static_cast<int>(i) < table.rowCount(); ++i)
        rows.push_back(firstRow + static_cast<int>(i));
    if (rows.empty() || firstRow < 1)
        return {};

    undo.begin(table, rows, EditKind::Paste);
    const Edition& edition = table.edition();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::string line = lines[i];
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::vector<std::string> cells = split(line, '\t');
        const int row = rows[i];
        for (int col = 1; col < table.columnCount(); ++col) {
            const std::size_t k = static_cast<std::size_t>(col - 1);
            std::string cell = k < cells.size() ? cells[k] : std::string();
            switch (table.columnAt(col)) {
            case Column::Receive:
            case Column::Transmit:
                cell = checkedFrequency(edition, cell);
                break;
            case Column::RxTone:
            case Column::TxTone:
                cell = checkedTone(cell);
                break;
            case Column::Name:
                cell = nameEntryText(cell);
                break;
            default:
                break;
            }
            table.setCell(row, col, cell);
        }
        // A channel with a frequency gets the new-channel words where the pasted
        // row left a cell empty, as if it had been typed.
        if (!table.cell(row, Column::Receive).empty() || !table.cell(row, Column::Transmit).empty())
            for (int col = 1; col < table.columnCount(); ++col)
                if (table.cell(row, col).empty() && table.columnAt(col) != Column::Name
                    && table.columnAt(col) != Column::Receive && table.columnAt(col) != Column::Transmit)
                    table.setCell(row, col, table.newChannelText(table.columnAt(col)));
        table.showChannel(row, table.channelOfRow(row));
    }
    undo.finish(table);
    return rows;
}

std::vector<int> clearRows(ChannelTable& table, const std::vector<int>& rows, UndoStack& undo)
{
    undo.begin(table, rows, EditKind::Clear);
    for (int row : rows)
        for (int col = 1; col < table.columnCount(); ++col)
            table.setCell(row, col, "");
    undo.finish(table);
    return rows;
}

} // namespace tolvan

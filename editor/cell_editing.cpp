#include "editor/cell_editing.h"

#include "codeplug/text_util.h"
#include "codeplug/tone_list.h"

#include <cctype>

namespace tolvan {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

} // namespace

CellEditing::CellEditing(ChannelTable& table, UndoStack& undo) : table_(table), undo_(undo) {}

EditorKind CellEditing::editorKind(int col) const
{
    if (col <= 0 || col >= table_.columnCount())
        return EditorKind::None;
    switch (table_.columnAt(col)) {
    case Column::Receive:
    case Column::Transmit:
        return EditorKind::Frequency;
    case Column::RxTone:
    case Column::TxTone:
        return EditorKind::Tone;
    case Column::Name:
        return EditorKind::Name;
    case Column::Channel:
    case Column::More:
        return EditorKind::None;
    default:
        return EditorKind::Words;
    }
}

std::vector<std::string> CellEditing::editorItems(int col) const
{
    switch (editorKind(col)) {
    case EditorKind::Tone:
        return ToneList::instance().texts();
    case EditorKind::Words:
        if (table_.columnAt(col) == Column::Signal)
            return table_.texts().signalling;
        return wordListOf(table_.texts(), table_.columnAt(col))->items;
    default:
        return {};
    }
}

std::string nameEntryText(std::string_view text)
{
    std::string kept;
    for (char c : text) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if ((upper >= 'A' && upper <= 'Z') || isDigit(upper) || upper == '-' || upper == ' ')
            kept += upper;
    }
    if (kept.size() > static_cast<std::size_t>(CellEditing::kNameLength))
        kept.resize(CellEditing::kNameLength);
    return kept;
}

void CellEditing::setEditorText(std::string text)
{
    text_ = editorKind(col_) == EditorKind::Name ? nameEntryText(text) : std::move(text);
}

bool CellEditing::bothFrequenciesEmpty(int row) const
{
    return table_.cell(row, Column::Receive).empty() && table_.cell(row, Column::Transmit).empty();
}

void CellEditing::enterCell(int row, int col)
{
    row_ = row;
    col_ = col;
    open_ = false;
    if (row <= 0 || col <= 0)
        return;
    const std::string& cell = table_.cell(row, col);
    const EditorKind kind = editorKind(col);
    if ((kind == EditorKind::Tone || kind == EditorKind::Words) && bothFrequenciesEmpty(row)) {
        // Nothing a list shows would be stored in a row without frequencies
        // (its commit empties the cell), so it opens showing nothing.
        text_.clear();
    } else if (kind == EditorKind::Tone || kind == EditorKind::Words) {
        // A drop-down selects the first item that begins with the cell's text.
        const auto items = editorItems(col);
        text_ = items.empty() ? std::string() : items.front();
        for (const std::string& item : items) {
            if (startsWithIgnoringCase(item, cell)) {
                text_ = item;
                break;
            }
        }
    } else {
        text_ = cell;
    }
}

std::optional<Notice> CellEditing::openEditor(OpenKey key, char typed)
{
    const EditorKind kind = editorKind(col_);
    if (row_ <= 0 || kind == EditorKind::None)
        return std::nullopt;
    if (key == OpenKey::Typed && static_cast<unsigned char>(typed) >= 32) {
        if (!isDigit(typed))
            return Notice{table_.texts().entry.pleaseInputNumber};
        // A typed digit starts a fresh entry holding just that digit; a list
        // without an edit field keeps its selection.
        if (kind != EditorKind::Words)
            text_ = std::string(1, typed);
        open_ = true;
        return std::nullopt;
    }
    if (kind == EditorKind::Frequency || kind == EditorKind::Name)
        text_ = table_.cell(row_, col_);
    open_ = true;
    return std::nullopt;
}

void CellEditing::applyNewChannelDefaults(int row)
{
    for (int col = 1; col < table_.columnCount(); ++col) {
        const Column c = table_.columnAt(col);
        if (c != Column::Receive && c != Column::Transmit && c != Column::Name)
            table_.setCell(row, col, table_.newChannelText(c));
    }
}

void CellEditing::emptyFrequency(int row, Column side)
{
    table_.setCell(row, side == Column::Receive ? Column::RxTone : Column::TxTone, "");
    table_.setCell(row, side, "");
    if (!bothFrequenciesEmpty(row))
        return;
    // A tone stored on a channel without frequencies keeps the row's lists.
    if (table_.edition().listsClearedOnlyWithoutTones
        && !(table_.cell(row, Column::RxTone).empty() && table_.cell(row, Column::TxTone).empty()))
        return;
    const int txTone = table_.columnOf(Column::TxTone);
    for (int col = txTone + 1; col < table_.columnCount(); ++col)
        table_.setCell(row, col, "");
}

std::vector<Notice> CellEditing::commitFrequency(bool byEnter)
{
    std::vector<Notice> notices;
    const EntryTexts& texts = table_.texts().entry;
    const Edition& edition = table_.edition();
    std::string t = text_;
    if (!t.empty()) {
        std::optional<Band> band;
        if (!edition.bands.empty() && bandOfForm)
            band = bandOfForm();
        const FrequencyEntry entry = checkFrequencyEntry(t, edition.frequencyRule, band);
        switch (entry.verdict) {
        case FrequencyVerdict::Accepted:
            break;
        case FrequencyVerdict::OutOfRange:
            notices.push_back({texts.outOfRange});
            break;
        case FrequencyVerdict::OffStep:
            notices.push_back({byEnter ? texts.offStepOnEnter : texts.offStepOnLeave});
            break;
        case FrequencyVerdict::OutOfBand:
            notices.push_back({texts.outOfBand, texts.outOfBandCaption, true});
            break;
        }
        t = entry.text;
    }
    const Column side = table_.columnAt(col_);
    if (t.empty()) {
        emptyFrequency(row_, side);
        return notices;
    }
    bool fresh = true;
    for (int col = 1; col <= 5 && col < table_.columnCount(); ++col)
        fresh = fresh && table_.cell(row_, col).empty();
    if (fresh) {
        applyNewChannelDefaults(row_);
        if (side == Column::Receive)
            table_.setCell(row_, Column::Transmit, t);
    }
    table_.setCell(row_, col_, t);
    return notices;
}

std::string CellEditing::toneCellText() const
{
    const int index = ToneList::instance().find(text_);
    return ToneList::instance().at(index < 0 ? 0 : index);
}

std::vector<Notice> CellEditing::commit(bool byEnter)
{
    if (!open_)
        return {};
    open_ = false;
    undo_.begin(table_, {row_});
    std::vector<Notice> notices;
    switch (editorKind(col_)) {
    case EditorKind::Frequency:
        notices = commitFrequency(byEnter);
        break;
    case EditorKind::Tone:
        table_.setCell(row_, col_, bothFrequenciesEmpty(row_) ? std::string() : toneCellText());
        break;
    case EditorKind::Words:
        if (!bothFrequenciesEmpty(row_))
            table_.setCell(row_, col_, text_);
        else if (!byEnter)
            table_.setCell(row_, col_, "");
        break;
    case EditorKind::Name:
        table_.setCell(row_, col_, text_);
        break;
    case EditorKind::None:
        break;
    }
    undo_.finish(table_);
    return notices;
}

std::vector<Notice> CellEditing::leaveCell()
{
    return commit(false);
}

void CellEditing::moveTo(int row, int col, bool openWithEnter)
{
    enterCell(row, col);
    if (openWithEnter)
        openEditor(OpenKey::Enter);
}

bool CellEditing::doubleClickOpensChannelEdit(int row) const
{
    return table_.edition().hasTwoTone && row > 0 && !table_.cell(row, Column::Receive).empty()
           && !table_.cell(row, Column::Transmit).empty();
}

Notice CellEditing::editChannelCommand()
{
    enterCell(1, 1);
    return {table_.texts().entry.editChannel};
}

EnterOutcome CellEditing::enterKey()
{
    EnterOutcome out;
    const Edition& edition = table_.edition();
    const int lastCol = table_.columnCount() - 1;
    if (!open_) {
        // Enter on the grid itself moves one cell to the right.
        if (edition.gridEnterLeavesAt && col_ == table_.columnOf(*edition.gridEnterLeavesAt)) {
            out.leaveTable = true;
        } else if (col_ < lastCol) {
            moveTo(row_, col_ + 1, false);
            out.moved = true;
        }
        return out;
    }
    const EditorKind kind = editorKind(col_);
    out.notices = commit(true);
    // The next editable cell to the right, or the next row's receive cell after
    // the last one.
    auto advance = [&] {
        int col = col_ + 1;
        while (col <= lastCol && editorKind(col) == EditorKind::None)
            ++col;
        if (col <= lastCol) {
            moveTo(row_, col, true);
        } else if (lastRow()) {
            out.leaveTable = true;
            return;
        } else {
            moveTo(row_ + 1, table_.columnOf(Column::Receive), true);
        }
        out.moved = true;
    };
    switch (kind) {
    case EditorKind::Frequency:
    case EditorKind::Tone:
        advance();
        break;
    case EditorKind::Words:
        if (lastRow()) {
            out.leaveTable = true;
        } else if (edition.listEnterGoesToNextRow) {
            moveTo(row_ + 1, table_.columnOf(Column::Receive), true);
            out.moved = true;
        } else {
            advance();
        }
        break;
    case EditorKind::Name:
        if (lastRow()) {
            out.leaveTable = true;
        } else {
            moveTo(row_ + 1, table_.columnOf(Column::Receive), true);
            out.moved = true;
        }
        break;
    case EditorKind::None:
        break;
    }
    return out;
}

} // namespace tolvan

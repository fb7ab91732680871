#include "editor/undo_stack.h"

#include "editor/channel_table.h"

namespace tolvan {
namespace {

std::vector<std::string> rowCells(const ChannelTable& table, int row)
{
    std::vector<std::string> cells;
    for (int col = 0; col < table.columnCount(); ++col)
        cells.push_back(table.cell(row, col));
    return cells;
}

std::vector<int> apply(ChannelTable& table, const std::vector<UndoStack::RowChange>& step, bool forward)
{
    std::vector<int> rows;
    for (const auto& change : step) {
        const auto& cells = forward ? change.after : change.before;
        for (int col = 0; col < table.columnCount(); ++col)
            table.setCell(change.row, col, cells[static_cast<std::size_t>(col)]);
        rows.push_back(change.row);
    }
    return rows;
}

} // namespace

void UndoStack::begin(const ChannelTable& table, std::vector<int> rows)
{
    pending_.clear();
    for (int row : rows)
        pending_.push_back({row, rowCells(table, row), {}});
}

void UndoStack::finish(const ChannelTable& table)
{
    Step step;
    for (RowChange& change : pending_) {
        change.after = rowCells(table, change.row);
        if (change.after != change.before)
            step.push_back(std::move(change));
    }
    pending_.clear();
    if (step.empty())
        return;
    done_.push_back(std::move(step));
    undone_.clear();
    ++changes_;
}

std::vector<int> UndoStack::undo(ChannelTable& table)
{
    if (done_.empty())
        return {};
    Step step = std::move(done_.back());
    done_.pop_back();
    std::vector<int> rows = apply(table, step, false);
    undone_.push_back(std::move(step));
    ++changes_;
    return rows;
}

std::vector<int> UndoStack::redo(ChannelTable& table)
{
    if (undone_.empty())
        return {};
    Step step = std::move(undone_.back());
    undone_.pop_back();
    std::vector<int> rows = apply(table, step, true);
    done_.push_back(std::move(step));
    ++changes_;
    return rows;
}

void UndoStack::clear()
{
    done_.clear();
    undone_.clear();
    pending_.clear();
}

} // namespace tolvan

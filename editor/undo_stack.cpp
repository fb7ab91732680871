#include "editor/undo_stack.h"

#include "editor/channel_table.h"

namespace tolvan {
namespace {

// Steps kept; the oldest goes first. A step holds two images of a few KiB.
constexpr std::size_t kStepsKept = 1000;

std::vector<std::string> rowCells(const ChannelTable& table, int row)
{
    std::vector<std::string> cells;
    for (int col = 0; col < table.columnCount(); ++col)
        cells.push_back(table.cell(row, col));
    return cells;
}

} // namespace

std::vector<int> UndoStack::allRows(const ChannelTable& table)
{
    std::vector<int> rows;
    for (int row = 1; row < table.rowCount(); ++row)
        rows.push_back(row);
    return rows;
}

void UndoStack::begin(const ChannelTable& table, std::vector<int> rows, EditKind kind)
{
    if (depth_++ > 0)
        return;
    pending_ = Step{};
    pending_.kind = kind;
    for (int row : rows)
        pending_.rows.push_back({row, rowCells(table, row), {}});
    if (document_.take)
        pending_.before = document_.take();
}

void UndoStack::finish(const ChannelTable& table)
{
    if (depth_ == 0 || --depth_ > 0)
        return;
    Step step;
    step.kind = pending_.kind;
    step.before = std::move(pending_.before);
    for (RowChange& change : pending_.rows) {
        change.after = rowCells(table, change.row);
        if (change.after != change.before)
            step.rows.push_back(std::move(change));
    }
    pending_ = Step{};
    if (document_.take)
        step.after = document_.take();
    if (step.rows.empty() && step.before == step.after)
        return;
    // A password typed key by key is one change.
    if (step.kind == EditKind::Password && !done_.empty() && done_.back().kind == EditKind::Password
        && undone_.empty() && step.rows.empty())
        done_.back().after = std::move(step.after);
    else
        done_.push_back(std::move(step));
    if (done_.size() > kStepsKept)
        done_.erase(done_.begin());
    undone_.clear();
    ++changes_;
}

std::vector<int> UndoStack::apply(ChannelTable& table, const Step& step, bool forward)
{
    std::vector<int> rows;
    for (const auto& change : step.rows) {
        const auto& cells = forward ? change.after : change.before;
        for (int col = 0; col < table.columnCount(); ++col)
            table.setCell(change.row, col, cells[static_cast<std::size_t>(col)]);
        rows.push_back(change.row);
    }
    if (document_.put)
        document_.put(forward ? step.after : step.before);
    ++changes_;
    return rows;
}

std::vector<int> UndoStack::undo(ChannelTable& table)
{
    if (done_.empty())
        return {};
    Step step = std::move(done_.back());
    done_.pop_back();
    std::vector<int> rows = apply(table, step, false);
    undone_.push_back(std::move(step));
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
    return rows;
}

void UndoStack::clear()
{
    done_.clear();
    undone_.clear();
    pending_ = Step{};
}

} // namespace tolvan

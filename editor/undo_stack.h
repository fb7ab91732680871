#pragma once

#include <string>
#include <vector>

namespace tolvan {

class ChannelTable;

// Undo and redo of table edits. A step remembers whole rows before and after,
// so a commit that also filled defaults or emptied a row undoes in one go.
class UndoStack {
public:
    struct RowChange {
        int row;
        std::vector<std::string> before;
        std::vector<std::string> after;
    };

    // Call before changing rows, then `finish` after: rows that did not change
    // leave no step behind.
    void begin(const ChannelTable& table, std::vector<int> rows);
    void finish(const ChannelTable& table);

    bool canUndo() const { return !done_.empty(); }
    // Counts recorded steps, undos and redos: a view compares it before and
    // after an edit to learn whether the table changed.
    unsigned long changeCount() const { return changes_; }
    bool canRedo() const { return !undone_.empty(); }
    // Return the rows they touched (to refresh the view), empty when nothing to do.
    std::vector<int> undo(ChannelTable& table);
    std::vector<int> redo(ChannelTable& table);
    void clear();

private:
    using Step = std::vector<RowChange>;
    std::vector<Step> done_;
    std::vector<Step> undone_;
    Step pending_;
    unsigned long changes_ = 0;
};

} // namespace tolvan

#pragma once

#include "codeplug/memory_image.h"

#include <functional>
#include <string>
#include <vector>

namespace tolvan {

class ChannelTable;

// What a command that changes the document is, as the menus name it ("Undo
// Channel Edit").
enum class EditKind {
    Typing, Paste, Clear, ChannelEdit, OptionalFeatures, KeyAssignment, TwoTone, Form, Password,
    ImportChannels, ReadFromRadio,
};

// Undo and redo of the document's commands. A step remembers whole rows before
// and after, so a commit that also filled defaults or emptied a row undoes in
// one go; attached to a document it also remembers the document's bytes and
// form, so undoing a command restores the image byte for byte, whatever a save
// wrote into it since.
class UndoStack {
public:
    // What the table does not hold: the image, the form's selections, the password.
    struct Snapshot {
        MemoryImage image = MemoryImage();
        std::vector<int> form;
        std::string password;
        bool operator==(const Snapshot&) const = default;
    };
    struct Document {
        std::function<Snapshot()> take;
        std::function<void(const Snapshot&)> put;
    };
    struct RowChange {
        int row;
        std::vector<std::string> before;
        std::vector<std::string> after;
    };

    // Without a document the stack undoes table rows only.
    void attach(Document document) { document_ = std::move(document); }

    // Call before changing rows, then `finish` after: a command that changed
    // nothing leaves no step behind. Steps of typing a password one key at a
    // time make one step. The pairs nest: a change made while a step is open
    // (a list's typed text given up as a command's dialog takes the focus)
    // belongs to that step.
    void begin(const ChannelTable& table, std::vector<int> rows, EditKind kind = EditKind::Typing);
    void finish(const ChannelTable& table);
    bool recording() const { return depth_ > 0; }
    // Every row of the table: a command that may change any of them.
    static std::vector<int> allRows(const ChannelTable& table);

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    EditKind undoKind() const { return done_.back().kind; }  // when canUndo()
    EditKind redoKind() const { return undone_.back().kind; }  // when canRedo()
    // Counts recorded steps, undos and redos: a view compares it before and
    // after an edit to learn whether the document changed.
    unsigned long changeCount() const { return changes_; }
    // Return the rows they touched (to refresh the view), empty when nothing to do.
    std::vector<int> undo(ChannelTable& table);
    std::vector<int> redo(ChannelTable& table);
    void clear();

private:
    struct Step {
        EditKind kind = EditKind::Typing;
        std::vector<RowChange> rows;
        Snapshot before, after;  // empty images without a document
    };
    std::vector<int> apply(ChannelTable& table, const Step& step, bool forward);

    Document document_;
    std::vector<Step> done_;
    std::vector<Step> undone_;
    Step pending_;
    int depth_ = 0;  // begin/finish pairs open
    unsigned long changes_ = 0;
};

} // namespace tolvan

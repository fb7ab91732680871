#include "editor/qt/grid_editing.h"

#include "codeplug/tone_list.h"
#include "dialogs/qt/qt_text.h"
#include "editor/edit_texts.h"
#include "editor/qt/channel_edit_dlg.h"
#include "editor/qt/ms_flex_grid.h"
#include "editor/qt/tol_view.h"
#include "editor/row_clipboard.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>

namespace tolvan {
namespace {

// The clipboard format of rows copied whole.
constexpr const char* kRecordsMime = "application/x-tolvan-channel-records";

bool isReturn(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

Qt::KeyboardModifiers commandModifiers(const QKeyEvent* event)
{
    return event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
}

} // namespace

GridEditing::GridEditing(CTolView& view, ChannelTable& table, CMSFlexGrid& grid)
    : QObject(&view), view_(view), table_(table), grid_(grid), editing_(table, undo_)
{
    QWidget* host = grid_.viewport();
    frequency_ = new QLineEdit(host);
    name_ = new QLineEdit(host);
    name_->setMaxLength(CellEditing::kNameLength);
    for (QLineEdit* edit : {frequency_, name_})
        edit->setAlignment(Qt::AlignCenter);  // as the cells show their texts
    tone_ = new QComboBox(host);
    tone_->setEditable(true);
    tone_->setInsertPolicy(QComboBox::NoInsert);
    tone_->setCompleter(nullptr);  // the typed text is looked up on commit, as typed
    tone_->setMaxVisibleItems(16);
    tone_->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    addItems(tone_, ToneList::instance().texts());
    for (int col = 1; col < table_.columnCount(); ++col) {
        if (editing_.editorKind(col) != EditorKind::Words)
            continue;
        auto* list = new QComboBox(host);
        addItems(list, editing_.editorItems(col));
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] {
            if (!filling_)
                editing_.setEditorText(list->currentText().toStdString());
        });
        words_[col] = list;
    }
    connect(frequency_, &QLineEdit::textEdited, this,
            [this](const QString& text) { editing_.setEditorText(text.toStdString()); });
    // The name keeps only what a radio stores, in capitals.
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editing_.setEditorText(text.toStdString());
        const QString kept = qs(editing_.editorText());
        if (kept != text) {
            const int at = std::min<int>(name_->cursorPosition(), static_cast<int>(kept.size()));
            name_->setText(kept);
            name_->setCursorPosition(at);
        }
    });
    connect(tone_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (!filling_)
            editing_.setEditorText(text.toStdString());
    });

    // Enter, Esc, Tab and double clicks reach the rules through the filter.
    std::vector<QWidget*> editors = {frequency_, name_, tone_};
    for (auto& [col, list] : words_)
        editors.push_back(list);
    for (QWidget* editor : editors) {
        editor->hide();
        editor->installEventFilter(this);
    }
    tone_->lineEdit()->installEventFilter(this);
    grid_.installEventFilter(this);

    for (int i = 0; i < view_.form().count(); ++i)
        if (view_.form().list(i).label == "Field")
            fieldList_ = i;
    editing_.bandOfForm = [this]() -> std::optional<Band> {
        const std::vector<Band>& bands = table_.edition().bands;
        const int index = fieldList_ < 0 ? -1 : view_.form().selection(fieldList_);
        if (index < 0 || index >= static_cast<int>(bands.size()))
            return std::nullopt;
        return bands[static_cast<std::size_t>(index)];
    };

    connect(&grid_, &CMSFlexGrid::enterCell, this, [this] {
        if (!moving_)
            editing_.enterCell(grid_.row(), grid_.col());
    });
    connect(&grid_, &CMSFlexGrid::leaveCell, this, [this] {
        if (!moving_)
            commit();
    });
    connect(&grid_, &CMSFlexGrid::clickedCell, this, [this] {
        if (grid_.row() > 0 && grid_.col() > 0) {
            editing_.openEditor(OpenKey::None);
            showEditor(OpenKey::None);
        }
    });
    connect(&grid_, &CMSFlexGrid::keyPressed, this, &GridEditing::typed);
    connect(&grid_, &CMSFlexGrid::returnPressed, this, &GridEditing::enterKey);
    connect(&grid_, &CMSFlexGrid::doubleClickedCell, this, &GridEditing::doubleClick);
    // Undo and Redo from anywhere in the form; a text box being typed in
    // keeps Ctrl+Z for its own text.
    for (const auto& [keys, run] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Z), &GridEditing::undo},
                                    std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &GridEditing::redo}}) {
        auto* shortcut = new QShortcut(keys, &view_, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, run);
    }
    grid_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        rowMenu()->exec(grid_.viewport()->mapToGlobal(at));
    });
}

GridEditing::~GridEditing() = default;

QComboBox* GridEditing::wordList(int col) const
{
    const auto it = words_.find(col);
    return it == words_.end() ? nullptr : it->second;
}

QWidget* GridEditing::editorFor(int col) const
{
    switch (editing_.editorKind(col)) {
    case EditorKind::Frequency:
        return frequency_;
    case EditorKind::Tone:
        return tone_;
    case EditorKind::Name:
        return name_;
    case EditorKind::Words:
        return wordList(col);
    case EditorKind::None:
        break;
    }
    return nullptr;
}

void GridEditing::place(QWidget* editor)
{
    editor->setGeometry(grid_.cellRect(editing_.row(), editing_.col()));
}

// The editor's text is set directly: opening an editor never touches what
// the user copied.
void GridEditing::showEditor(OpenKey key)
{
    QWidget* editor = editing_.editorOpen() ? editorFor(editing_.col()) : nullptr;
    if (editor != shown_)
        hideEditor();
    if (!editor)
        return;
    const QString text = qs(editing_.editorText());
    filling_ = true;
    QLineEdit* line = qobject_cast<QLineEdit*>(editor);
    if (editor == tone_) {
        tone_->setCurrentIndex(tone_->findText(text));
        tone_->setEditText(text);
        line = tone_->lineEdit();
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setCurrentIndex(list->findText(text));  // none for an empty text
    } else {
        line->setText(text);
    }
    filling_ = false;
    if (line) {
        // A typed character starts an entry; otherwise the whole text is selected.
        if (key == OpenKey::Typed)
            line->setCursorPosition(static_cast<int>(line->text().size()));
        else
            line->selectAll();
    }
    place(editor);
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
    shown_ = editor;
}

void GridEditing::hideEditor()
{
    if (!shown_)
        return;
    QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == shown_ || shown_->isAncestorOf(focus)))
        grid_.setFocus(Qt::OtherFocusReason);
    shown_->hide();
    shown_ = nullptr;
}

void GridEditing::followScroll()
{
    if (shown_)
        place(shown_);
}

void GridEditing::moveGridTo(int row, int col)
{
    moving_ = true;
    grid_.setCurrentCell(row - 1, col, QItemSelectionModel::ClearAndSelect);
    moving_ = false;
}

void GridEditing::leaveTable(bool forward)
{
    hideEditor();
    QWidget* next = forward ? grid_.nextInFocusChain() : grid_.previousInFocusChain();
    while (next != &grid_
           && (!next->isVisible() || !next->isEnabled() || !(next->focusPolicy() & Qt::TabFocus)
               || grid_.isAncestorOf(next) || next->isWindow()))
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
    if (next != &grid_)
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

// Every change of the table is a step of the undo stack, so an unchanged
// count means an unchanged table.
void GridEditing::afterChange()
{
    if (undo_.changeCount() == seenChanges_)
        return;
    seenChanges_ = undo_.changeCount();
    view_.showTable();
    view_.document().setModified();
    emit view_.changed();
}

void GridEditing::afterRowCommand()
{
    afterChange();
    // The current cell's editor preloads from the changed table.
    editing_.enterCell(grid_.row(), grid_.col());
}

// Shown once the event that caused them is done, so a message box never
// interrupts the grid in the middle of a click.
void GridEditing::notify(const std::vector<Notice>& notices)
{
    for (const Notice& notice : notices)
        QMetaObject::invokeMethod(
            this, [this, notice] { view_.showNotice(notice); }, Qt::QueuedConnection);
}

void GridEditing::commit()
{
    const std::vector<Notice> notices = editing_.leaveCell();
    hideEditor();
    afterChange();
    notify(notices);
}

void GridEditing::reset()
{
    editing_.cancelEditor();
    hideEditor();
    undo_.clear();
    seenChanges_ = undo_.changeCount();
    editing_.enterCell(std::max(grid_.row(), 1), std::max(grid_.col(), 1));
}

void GridEditing::typed(int key)
{
    const char c = key < 128 ? static_cast<char>(key) : '?';
    if (std::optional<Notice> notice = editing_.openEditor(OpenKey::Typed, c)) {
        notify({*notice});
        return;
    }
    showEditor(OpenKey::Typed);
}

void GridEditing::enterKey()
{
    const EnterOutcome out = editing_.enterKey();
    afterChange();
    if (out.moved) {
        moveGridTo(editing_.row(), editing_.col());
        showEditor(OpenKey::Enter);
    } else {
        hideEditor();
    }
    if (out.leaveTable)
        leaveTable(true);
    notify(out.notices);
}

void GridEditing::cancel()
{
    editing_.cancelEditor();
    hideEditor();
    editing_.enterCell(editing_.row(), editing_.col());  // forget what was typed
    grid_.setFocus(Qt::OtherFocusReason);
}

void GridEditing::tabOut(bool forward)
{
    const std::vector<Notice> notices = editing_.leaveCell();
    afterChange();
    leaveTable(forward);
    notify(notices);
}

void GridEditing::doubleClick()
{
    const int row = editing_.row();
    const int col = editing_.col();
    if (row <= 0 || col <= 0)
        return;
    if (editing_.doubleClickOpensChannelEdit(row)) {
        commit();
        runChannelEdit(row);
        editing_.enterCell(row, col);
    }
    editing_.openEditor(OpenKey::None);
    showEditor(OpenKey::None);
}

void GridEditing::runChannelEdit(int row)
{
    // The dialog works on the image: the table goes there first, and every
    // change the dialog makes comes back into the table (one undo step).
    CTolDoc& doc = view_.document();
    view_.gridToImage(doc.image());  // what a save would store: no change of the document
    undo_.begin(table_, UndoStack::allRows(table_), EditKind::ChannelEdit);
    ChannelEdit edit(doc.image(), table_, row);
    CChannelEditDlg dialog(
        edit, table_.edition().uiLanguage(table_.language()),
        [this](const QString& text) { view_.showNotice({text.toStdString()}); }, grid_.window());
    connect(&dialog, &CChannelEditDlg::tableChanged, this, [this] { view_.showTable(); });
    dialog.exec();
    undo_.finish(table_);
    if (edit.changedImage()) {
        doc.setModified();
        emit view_.changed();
    }
    afterChange();
}

// The rows as text (for a spreadsheet or another radio's program) and as the
// radio's bytes (for this program, so nothing the table does not show is lost).
void GridEditing::copyRows()
{
    commit();
    const std::vector<int> rows = grid_.selectedRows();
    MemoryImage image = view_.document().image();
    view_.gridToImage(image);
    auto* data = new QMimeData;
    data->setText(qs(tolvan::copyRows(table_, rows)));
    data->setData(QString::fromLatin1(kRecordsMime),
                  QByteArray::fromStdString(copyRecords(table_.edition(), image, rows)));
    QApplication::clipboard()->setMimeData(data);
}

void GridEditing::pasteRows()
{
    commit();
    const std::vector<int> rows = grid_.selectedRows();
    if (rows.empty())
        return;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const std::string records = data ? data->data(QString::fromLatin1(kRecordsMime)).toStdString() : std::string();
    if (pasteRecords(table_, view_.document().image(), rows.front(), records, undo_).empty())
        tolvan::pasteRows(table_, rows.front(), QApplication::clipboard()->text().toStdString(), undo_);
    afterRowCommand();
}

void GridEditing::clearRows()
{
    commit();
    tolvan::clearRows(table_, grid_.selectedRows(), undo_);
    afterRowCommand();
}

void GridEditing::undo()
{
    commit();
    undo_.undo(table_);
    afterRowCommand();
}

void GridEditing::redo()
{
    commit();
    undo_.redo(table_);
    afterRowCommand();
}

std::unique_ptr<QMenu> GridEditing::rowMenu()
{
    const Language language = table_.edition().uiLanguage(table_.language());
    const RowCommandTexts texts = rowCommandTexts(language);
    auto menu = std::make_unique<QMenu>(&grid_);
    const struct {
        std::string caption;
        QKeySequence keys;
        void (GridEditing::*run)();
        bool enabled;
    } items[] = {
        {texts.copyRows, QKeySequence(Qt::CTRL | Qt::Key_C), &GridEditing::copyRows, true},
        {texts.pasteRows, QKeySequence(Qt::CTRL | Qt::Key_V), &GridEditing::pasteRows,
         !QApplication::clipboard()->text().isEmpty()},
        {texts.clearRows, QKeySequence(Qt::Key_Delete), &GridEditing::clearRows, true},
        {undo_.canUndo() ? undoCaption(undo_.undoKind(), false, language) : texts.undo,
         QKeySequence(Qt::CTRL | Qt::Key_Z), &GridEditing::undo, undo_.canUndo()},
        {undo_.canRedo() ? undoCaption(undo_.redoKind(), true, language) : texts.redo,
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &GridEditing::redo, undo_.canRedo()},
    };
    for (const auto& item : items) {
        if (&item == &items[3])
            menu->addSeparator();
        // The keys are shown here and handled by the form's own shortcuts and the grid.
        QAction* a = menu->addAction(qs(item.caption));
        a->setShortcut(item.keys);
        a->setShortcutContext(Qt::WidgetShortcut);
        a->setEnabled(item.enabled);
        connect(a, &QAction::triggered, this, item.run);
    }
    return menu;
}

bool GridEditing::gridKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = commandModifiers(event);
    if (event->matches(QKeySequence::Copy))
        copyRows();
    else if (event->matches(QKeySequence::Paste))
        pasteRows();
    else if (event->key() == Qt::Key_Delete && mods == Qt::NoModifier)
        clearRows();
    else if (event->key() == Qt::Key_F2 && mods == Qt::NoModifier && grid_.row() > 0) {
        editing_.openEditor(OpenKey::Enter);  // the cell's own text, selected
        showEditor(OpenKey::Enter);
    } else
        return false;
    return true;
}

bool GridEditing::editorKey(QWidget* editor, QKeyEvent* event)
{
    if (isReturn(event)) {
        enterKey();
    } else if (event->key() == Qt::Key_Escape) {
        cancel();
    } else if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        tabOut(event->key() == Qt::Key_Tab);
    } else if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && qobject_cast<QLineEdit*>(editor)
               && editor != tone_->lineEdit()) {
        // In an edit the vertical arrows move to the cell above or below, as on the grid.
        grid_.setFocus(Qt::OtherFocusReason);
        QKeyEvent copy(event->type(), event->key(), event->modifiers());
        QApplication::sendEvent(&grid_, &copy);
    } else {
        return false;
    }
    return true;
}

bool GridEditing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == &grid_)
            return gridKey(key);
        return editorKey(static_cast<QWidget*>(watched), key);
    }
    // A double click lands on the editor the first click opened.
    if (event->type() == QEvent::MouseButtonDblClick && watched != &grid_
        && editing_.doubleClickOpensChannelEdit(editing_.row())) {
        doubleClick();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tolvan

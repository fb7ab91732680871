#include "editor/qt/tol_view.h"

#include "program/read_backup.h"
#include "codeplug/data_password.h"
#include "editor/column_widths.h"
#include "editor/qt/grid_editing.h"
#include "editor/qt/ms_flex_grid.h"
#include "editor/view_texts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include <chrono>
#include <cmath>

namespace tolvan {
namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

QFont gridFont()
{
    QFont f("Times New Roman");
    f.setStyleHint(QFont::Serif);
    f.setPointSizeF(9.75);
    return f;
}

} // namespace

CTolView::CTolView(CTolDoc& doc, Language language, QWidget* parent)
    : QWidget(parent), doc_(doc), language_(language), table_(doc.edition(), language), form_(doc.edition())
{
    setFont(gridFont());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);

    lists_.assign(static_cast<std::size_t>(form_.count()), nullptr);
    if (hasListsAt(FormList::Place::AboveTable)) {
        group_ = new QGroupBox(QCoreApplication::translate("CTolView", "Type Setting"), this);
        auto* row = new QHBoxLayout(group_);
        for (int i = 0; i < form_.count(); ++i) {
            if (form_.list(i).place != FormList::Place::AboveTable)
                continue;
            const auto [label, combo] = createFormList(i, group_);
            row->addWidget(label);
            row->addWidget(combo);
            row->addSpacing(12);
        }
        if (form_.hasPassword()) {
            auto* label = new QLabel(QCoreApplication::translate("CTolView", "Data Password"), group_);
            password_ = new QLineEdit(group_);
            password_->setMaxLength(static_cast<int>(kDataPasswordLength));
            password_->setFixedWidth(password_->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
            label->setBuddy(password_);
            row->addWidget(label);
            row->addWidget(password_);
            connect(password_, &QLineEdit::textEdited, this, [this](const QString& text) {
                record(EditKind::Password, [&] { form_.setPassword(text.toStdString()); });
            });
        }
        row->addStretch(1);
        layout->addWidget(group_);
    }

    grid_ = new CMSFlexGrid(this);
    grid_->viewport()->installEventFilter(this);
    grid_->installEventFilter(this);
    layout->addWidget(grid_, 1);
    setupGrid();
    if (hasListsAt(FormList::Place::FunctionGroup))
        layout->addWidget(createFunctionGroup());
    editing_ = new GridEditing(*this, table_, *grid_);
    attachHistory();
    // The open editor follows its cell, so a scroll never loses an entry.
    connect(grid_, &CMSFlexGrid::scrolled, this, [this] {
        editing_->followScroll();
        grid_->refresh();
    });
    showForm();
}

bool CTolView::hasListsAt(FormList::Place place) const
{
    for (int i = 0; i < form_.count(); ++i)
        if (form_.list(i).place == place)
            return true;
    return false;
}

std::pair<QLabel*, QComboBox*> CTolView::createFormList(int i, QWidget* parent)
{
    const FormList& l = form_.list(i);
    auto* label = new QLabel(QCoreApplication::translate("CTolView", l.label.c_str()), parent);
    auto* combo = new QComboBox(parent);
    for (const std::string& item : l.items(language_))
        combo->addItem(q(item));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    label->setBuddy(combo);
    if (l.editable) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // Typing may snap the list back at once (only choosing from it changes
        // it); a typed text the user is done with takes the entry it names or
        // gives way to the list's choice, so the form shows what is stored.
        connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, i] {
            if (form_.list(i).typingReset < 0) {
                form_.typed(i);
                return;
            }
            record(EditKind::Form, [&] { form_.typed(i); });
            showList(i);
        });
        connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [this, i, combo] {
            const std::string text = combo->currentText().toStdString();
            record(EditKind::Form, [&] { form_.finishTyping(i, text, language_); });
            showList(i);
        });
        combo->lineEdit()->installEventFilter(this);
    }
    connect(combo, &QComboBox::activated, this, [this, i](int index) {
        if (form_.selection(i) != index)
            record(EditKind::Form, [&] { form_.select(i, index); });
        showList(i);
    });
    combo->installEventFilter(this);
    lists_.at(static_cast<std::size_t>(i)) = combo;
    return {label, combo};
}

QGroupBox* CTolView::createFunctionGroup()
{
    // The radio's few function settings, below the table: four label-list
    // pairs to a row, in the form's order.
    functionGroup_ = new QGroupBox(QCoreApplication::translate("CTolView", "Function Setting"), this);
    auto* grid = new QGridLayout(functionGroup_);
    constexpr int kPairsPerRow = 4;
    int n = 0;
    for (int i = 0; i < form_.count(); ++i) {
        if (form_.list(i).place != FormList::Place::FunctionGroup)
            continue;
        const auto [label, combo] = createFormList(i, functionGroup_);
        const int row = n / kPairsPerRow;
        const int col = 3 * (n % kPairsPerRow);
        grid->addWidget(label, row, col, Qt::AlignRight);
        grid->addWidget(combo, row, col + 1, Qt::AlignLeft);
        grid->setColumnMinimumWidth(col + 2, 12);
        ++n;
    }
    grid->setColumnStretch(3 * kPairsPerRow, 1);
    return functionGroup_;
}

void CTolView::setupGrid()
{
    grid_->setFont(gridFont());
    grid_->horizontalHeader()->setFont(gridFont());
    grid_->setShape(table_.rowCount(), table_.columnCount());
    // W: the transmit column's width as the grid starts up; 1.2 W holds its
    // header, and the whole table fits the window's width.
    const QFontMetrics fm(gridFont());
    const double w = std::ceil(fm.horizontalAdvance(QStringLiteral("Transmit(MHz)")) / 1.2) + 12;
    for (int col = 0; col < table_.columnCount(); ++col) {
        grid_->setColAlignment(col, Qt::AlignCenter);
        grid_->setColWidth(col, static_cast<int>(std::floor(w * columnWidthFactor(table_.columnAt(col)))));
    }
    grid_->verticalHeader()->setDefaultSectionSize(fm.height() + 6);
}

void CTolView::commitCellEdit()
{
    editing_->commit();
}

// Undo restores the image and the form with the table: a command undone is
// the document as it was, whatever a save wrote into the image since.
void CTolView::attachHistory()
{
    editing_->undoStack().attach({
        [this] {
            UndoStack::Snapshot s{doc_.image(), {}, form_.password()};
            for (int i = 0; i < form_.count(); ++i)
                s.form.push_back(form_.selection(i));
            return s;
        },
        [this](const UndoStack::Snapshot& s) {
            doc_.image() = s.image;
            for (int i = 0; i < form_.count(); ++i)
                form_.select(i, s.form.at(static_cast<std::size_t>(i)));
            form_.setPassword(s.password);
            showForm();
        },
    });
}

bool CTolView::record(EditKind kind, const std::function<void()>& change)
{
    UndoStack& history = editing_->undoStack();
    const bool outermost = !history.recording();  // else the change joins the open step
    if (outermost)
        commitCellEdit();
    const unsigned long before = history.changeCount();
    history.begin(table_, UndoStack::allRows(table_), kind);
    change();
    history.finish(table_);
    if (!outermost)
        return true;
    editing_->afterRowCommand();
    return history.changeCount() != before;
}

void CTolView::showTable()
{
    for (int row = 0; row < table_.rowCount(); ++row)
        for (int col = 0; col < table_.columnCount(); ++col)
            grid_->setTextMatrix(row, col, q(table_.cell(row, col)));
}

void CTolView::showNotice(const Notice& notice)
{
    if (notify) {
        notify(notice);
        return;
    }
    QMessageBox box(notice.information ? QMessageBox::Information : QMessageBox::Warning,
                    notice.caption.empty() ? window()->windowTitle() : q(notice.caption), q(notice.text),
                    QMessageBox::Ok, this);
    box.exec();
}

void CTolView::setBackupDirectory(std::filesystem::path dir, std::string baseName)
{
    backupDir_ = std::move(dir);
    backupBase_ = std::move(baseName);
}

void CTolView::initialUpdate()
{
    imageToGrid();
    editing_->reset();
    if (!lists_.empty())
        lists_.front()->setFocus();
}

void CTolView::imageToGrid()
{
    table_.loadFromImage(doc_.image());
    form_.loadFromImage(doc_.image());
    showTable();
    showForm();
}

void CTolView::showList(int i)
{
    QComboBox* combo = lists_[static_cast<std::size_t>(i)];
    const int index = form_.selection(i);
    combo->setCurrentIndex(index < combo->count() ? index : -1);
    combo->setEditText(combo->itemText(combo->currentIndex()));  // a list without a choice shows nothing
}

void CTolView::showForm()
{
    for (int i = 0; i < form_.count(); ++i)
        showList(i);
    if (password_)
        password_->setText(q(form_.password()));
}

void CTolView::gridToImage(MemoryImage& image) const
{
    table_.storeToImage(image);
    form_.storeToImage(image);
}

bool CTolView::runTransfer(Direction direction)
{
    if (transferRunning_ || !transfer_)
        return false;
    commitCellEdit();
    if (direction == Direction::Write)
        gridToImage(doc_.image());
    transferRunning_ = true;
    emit transferStateChanged(true);
    // The form stays as it is while the radio is talked to: a read compares the
    // password shown when it started.
    const auto formEnabled = [this](bool on) {
        for (QGroupBox* g : {group_, functionGroup_})
            if (g)
                g->setEnabled(on);
    };
    formEnabled(false);
    std::optional<MemoryImage> result = transfer_(direction, port_, doc_.image());
    formEnabled(true);
    transferRunning_ = false;
    emit transferStateChanged(false);
    if (!result || direction == Direction::Write)
        return result.has_value();
    if (result->size() != doc_.edition().imageSize)
        return false;
    // Kept before the table shows it, so a read over unsaved work can be undone.
    if (!backupDir_.empty()) {
        std::string error;
        lastBackup_ = saveReadBackup(backupDir_, backupBase_, *result, std::chrono::system_clock::now(),
                                     kReadBackupsKept, &error, language_);
        if (lastBackup_.empty())
            emit backupFailed(q(error));
    }
    record(EditKind::ReadFromRadio, [&] {
        doc_.replaceImage(std::move(*result));
        imageToGrid();
    });
    return true;
}

void CTolView::enterEvent(QEnterEvent* event)
{
    emit hint(q(viewHint(HintTarget::Other, language_)));
    QWidget::enterEvent(event);
}

bool CTolView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        const bool onGrid = watched == grid_ || watched == grid_->viewport();
        emit hint(q(viewHint(onGrid ? HintTarget::Grid : HintTarget::List, language_)));
    } else if (event->type() == QEvent::Leave) {
        emit hint(q(viewHint(HintTarget::Other, language_)));
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tolvan

#include "editor/qt/ms_flex_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace tolvan {

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QTableWidget(parent)
{
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    // The right button is the context menu's.
    connect(this, &QTableWidget::cellClicked, this, [this] {
        if (pressed_ != Qt::RightButton)
            emit clickedCell();
    });
    connect(this, &QTableWidget::cellDoubleClicked, this, [this] { emit doubleClickedCell(); });
    connect(this, &QTableWidget::currentCellChanged, this, [this](int, int, int previousRow, int) {
        if (previousRow >= 0)
            emit leaveCell();
        if (currentRow() >= 0)
            emit enterCell();
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit scrolled(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit scrolled(); });
}

void CMSFlexGrid::setShape(int rows, int cols)
{
    setColumnCount(cols);
    setRowCount(rows - 1);
    alignments_.assign(static_cast<std::size_t>(cols), Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < cols; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem);
}

QTableWidgetItem* CMSFlexGrid::itemAt(int row, int col, bool create)
{
    if (row == 0)
        return horizontalHeaderItem(col);
    QTableWidgetItem* it = item(row - 1, col);
    if (!it && create) {
        it = new QTableWidgetItem;
        it->setFlags(col == 0 ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (col == 0)
            it->setBackground(palette().button());
        it->setTextAlignment(alignments_.at(static_cast<std::size_t>(col)));
        setItem(row - 1, col, it);
    }
    return it;
}

QString CMSFlexGrid::textMatrix(int row, int col) const
{
    const QTableWidgetItem* it = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
    return it ? it->text() : QString();
}

void CMSFlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (QTableWidgetItem* it = itemAt(row, col, true); it && it->text() != text)
        it->setText(text);
}

int CMSFlexGrid::row() const
{
    return currentRow() + 1;
}

int CMSFlexGrid::col() const
{
    return std::max(currentColumn(), 0);
}

void CMSFlexGrid::setRow(int row)
{
    setCurrentCell(row - 1, std::max(currentColumn(), 1));
}

void CMSFlexGrid::setCol(int col)
{
    setCurrentCell(std::max(currentRow(), 0), col);
}

QRect CMSFlexGrid::cellRect() const
{
    return visualRect(model()->index(currentRow(), currentColumn()));
}

QRect CMSFlexGrid::cellRect(int row, int col) const
{
    return visualRect(model()->index(row - 1, col));
}

std::vector<int> CMSFlexGrid::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.push_back(index.row() + 1);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty() && row() > 0)
        rows.push_back(row());
    return rows;
}

void CMSFlexGrid::setColAlignment(int col, Qt::Alignment alignment)
{
    alignments_.at(static_cast<std::size_t>(col)) = alignment;
    if (QTableWidgetItem* header = horizontalHeaderItem(col))
        header->setTextAlignment(alignment);
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* it = item(r, col))
            it->setTextAlignment(alignment);
}

void CMSFlexGrid::keyPressEvent(QKeyEvent* event)
{
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        emit keyPressed(event->text().at(0).unicode());
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit returnPressed();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CMSFlexGrid::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button();
    QTableWidget::mousePressEvent(event);
}

} // namespace tolvan

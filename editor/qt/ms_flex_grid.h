#pragma once

#include <QRect>
#include <QString>
#include <QTableWidget>

namespace tolvan {

// The grid of the channel table: a thin layer over QTableWidget with the
// operations the view uses (cell text by row and column, the current cell, its
// rectangle, column widths and alignment, refresh) and its events (click, key
// press, double click, entering and leaving a cell, scrolling).
//
// Row 0 is the fixed header row (it stays in view when the grid scrolls) and
// column 0 the fixed channel-number column; cells are read-only here, editors
// are placed over them by the view. Typed characters and Enter are reported,
// not used to search or edit; Tab leaves the grid.
class CMSFlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit CMSFlexGrid(QWidget* parent = nullptr);

    void setShape(int rows, int cols);  // rows and columns including the fixed ones
    int rows() const { return rowCount() + 1; }
    int cols() const { return columnCount(); }

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // The current cell (row 1 .. rows-1); 0 when there is none.
    int row() const;
    int col() const;
    void setRow(int row);
    void setCol(int col);
    QString text() const { return textMatrix(row(), col()); }
    QRect cellRect() const;  // of the current cell, in viewport coordinates
    QRect cellRect(int row, int col) const;
    // Rows (1 ..) with a selected cell, in order; the current row when none is.
    std::vector<int> selectedRows() const;

    void setColAlignment(int col, Qt::Alignment alignment);
    int colWidth(int col) const { return columnWidth(col); }
    void setColWidth(int col, int width) { setColumnWidth(col, width); }
    void refresh() { viewport()->update(); }

signals:
    void clickedCell();
    void keyPressed(int key);  // a printable character
    void returnPressed();
    void doubleClickedCell();
    void enterCell();
    void leaveCell();
    void scrolled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QTableWidgetItem* itemAt(int row, int col, bool create);
    std::vector<Qt::Alignment> alignments_;
    Qt::MouseButton pressed_ = Qt::NoButton;
};

} // namespace tolvan

#pragma once
#include "editor/SortOrder.h"
#include "shell/UnsavedChanges.h"

#include <QPixmap>
#include <QTableWidget>

#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class QHeaderView;
class QStyledItemDelegate;

namespace kx2 {

class FrozenColumns;

// The grid the editors and the symbol choosers are built on. It numbers rows and columns as
// the program does: row 0 is the fixed header row and stays in place while the grid scrolls;
// data rows start at row 1. With one fixed column (FixedCols 1, the default) column 0 stays in
// place too (the locomotives' address, the symbol number) and data cells start at column 1;
// with none (FixedCols 0) column 0 is an ordinary column that scrolls and can be selected
// ("Adr." of the accessory, feedback and route grids). Column indexes are the same in both.
//
// Row/Col is the current cell: where a selection started. RowSel/ColSel is the opposite corner
// of the selection. A click on a cell of the fixed column selects the whole line (Col = 1,
// ColSel = Cols - 1), a click on a header cell the whole column, unless the column sorts (below). Every cell is centre-aligned
// and may carry a picture, drawn centred over its text.
//
// Frozen columns (FrozenCols) stay in view while the grid scrolls sideways, like the fixed
// column, but are ordinary cells: current, selected, clicked and edited like any other (the
// editors' address and name columns). Each line may carry a mark (changed, new, deleted), drawn
// as a tint over the line and a bar at its left.
//
// Events, as the handlers of the forms expect them: EnterCell whenever the current cell
// changes (by mouse, keys or code), MouseDown after the press has moved the current cell,
// Click when the button comes up again on the grid, KeyDown for every key (Tab included; the
// grid never passes the focus on by itself), Scroll whenever the visible part moves.
class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int PictureRole = Qt::UserRole + 1;
    static constexpr int RowDataRole = Qt::UserRole + 2;
    static constexpr int LineTagRole = Qt::UserRole + 3;
    // The line's place in the station's order, given when the lines are first sorted.
    static constexpr int StationOrderRole = Qt::UserRole + 4;

    explicit FlexGrid(QWidget* parent = nullptr);

    int Rows() const { return rowCount() + 1; }
    void setRows(int rows);
    // Appends one row at the bottom, empty, with RowData 0.
    void addRow();
    int Cols() const { return columnCount() + m_fixedCols; }
    void setCols(int cols);
    int FixedCols() const { return m_fixedCols; }
    // 0 or 1. Keeps the number of columns but empties them: set it before filling the grid.
    void setFixedCols(int fixedCols);
    // Columns 0..cols-1 stay in view as the grid scrolls sideways (the fixed column among them).
    void setFrozenCols(int cols);
    int FrozenCols() const { return m_frozenCols; }

    // Where the lines' marks come from: asked whenever a line is drawn.
    void setRowMarks(std::function<RecordMark(int row)> marks);
    RecordMark rowMark(int row) const;
    // Draws every line again: a mark may change while no cell of its line does.
    void refreshMarks();

    int Row() const { return m_row; }
    int Col() const { return m_col; }
    int RowSel() const;
    int ColSel() const;
    bool singleCellSelected() const { return RowSel() == m_row && ColSel() == m_col; }
    void setRow(int row) { selectCell(row, m_col); }
    void setCol(int col) { selectCell(m_row, col); }
    // Makes (row, col) current and collapses the selection to it. The fixed column leaves no
    // data cell current: the next click on any cell enters it.
    void selectCell(int row, int col);
    // What a click on the fixed cell of a line does: the line's data cells are selected.
    void selectLine(int row);
    // selectCell, and the cell scrolled into view (a cell of the fixed column: its line).
    void showCell(int row, int col);
    // Scrolls up or down until the line is in view; sideways the view stays.
    void scrollToLine(int row);
    void selectColumn(int col);

    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    QPixmap CellPicture(int row, int col) const;
    void setCellPicture(int row, int col, const QPixmap& picture);
    // Both at once: a symbol cell shows its picture, or no picture and a text.
    void setCell(int row, int col, const QString& text, const QPixmap& picture)
    {
        setTextMatrix(row, col, text);
        setCellPicture(row, col, picture);
    }
    int RowData(int row) const;
    void setRowData(int row, int value);
    // The row whose RowData is `value`; 0 when none.
    int rowOfData(int value) const;
    // A second number per line (-1 until set) that, like RowData, moves with its line when the
    // lines are sorted.
    int LineTag(int row) const;
    void setLineTag(int row, int tag);

    // Sorting what is shown. A click on the heading of one of these columns sorts the lines by it
    // (HeaderSort; nextSortState: up, down, the station's order again) instead of selecting the
    // column. Whole lines move, RowData and LineTag with them; the header shows the direction.
    void setSortCols(const std::vector<int>& cols) { m_sortCols = cols; }
    bool isSortCol(int col) const;
    // true: the last line (the locomotives' entry line) stays last in every order.
    void setSortKeepsLastLine(bool on) { m_sortKeepsLast = on; }
    // The next state for `col`; the current line stays current where it moved to.
    void sortBy(int col);
    // The lines once more in the order of the current state, as after a fill: the order they
    // stand in then counts as the station's.
    void applySort();

    // A width or height of the grid's design (laid out at 96 dpi for a 9-point font) in the grid's
    // font now, so that what fits at 96 dpi fits with large fonts too; never less than designed.
    int scaled(int designPixels) const;

    void setColWidth(int col, int pixels);
    int ColWidth(int col) const;
    void setRowHeightPx(int row, int pixels);
    int RowHeightPx(int row) const;
    void setDefaultRowHeight(int pixels);

    // Makes the header row's font small enough for every heading to fit its column.
    void fitHeaderFont();

    // true (the default): a picture larger than its cell is drawn smaller to fit. false: it is
    // drawn at its own size, centred, and cut at the cell's edges (the accessory symbols are
    // drawn to keep their lines within the 27 and 29 pixels high lines that show them).
    void setScalePictures(bool on);

    // The cell's rectangle in the grid's own coordinates, as it lies on screen now.
    QRect cellRect(int row, int col) const;
    // The part of the grid where data cells are drawn, in the grid's coordinates.
    QRect cellArea() const;
    // The part where cells of column `col` can be seen: right of the frozen columns for the
    // columns that scroll.
    QRect cellArea(int col) const;

    // true (the default): Tab and Shift+Tab come as KeyDown and the focus stays in the grid.
    // false: they move the focus on to the next control of the window.
    void setTabKeyDown(bool on) { m_tabKeyDown = on; }

    // A mouse button that went down on the grid and brought up a message box meanwhile makes
    // no click when it comes up again (the box took the mouse).
    void cancelPendingClick();

    // Up and down for a frozen cell; a cell that scrolls comes out from under the frozen ones.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

Q_SIGNALS:
    void Click();
    void DblClick();
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void EnterCell();
    void Scroll();
    // The heading of a sortable column was clicked.
    void HeaderSort(int col);

protected:
    void updateGeometries() override;
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    friend class FrozenColumns;
    QModelIndex modelIndex(int row, int col) const { return model()->index(row - 1, col - m_fixedCols); }
    bool isFixedCol(int col) const { return col < m_fixedCols; }
    QTableWidgetItem* cellItem(int row, int col);
    QTableWidgetItem* lineItem(int row);
    void moveCurrent(int row, int col);
    bool headerMouse(QHeaderView* header, QEvent* e);
    void paintCorner();
    void buttonDown(bool onCell);
    void buttonUp(Qt::MouseButton button);
    // A button pressed on a cell of `view` (the grid or its frozen columns); `viewPress` lets the
    // view move its current cell and selection.
    void cellPress(QAbstractItemView* view, QMouseEvent* e, const std::function<void()>& viewPress);
    void cellDoubleClick(QAbstractItemView* view, QMouseEvent* e, const std::function<void()>& viewDoubleClick);
    // The view columns that stay in view, and how wide they are together.
    int frozenViewCols() const;
    int frozenWidth() const;
    void updateFrozen();
    void placeFrozen();
    // The selected block in grid numbering (x = column, y = row).
    std::optional<QRect> selectionBox() const;
    // The lines in the order of m_sort.
    void arrangeLines();
    // Moves the lines so that line order[i] comes to row i + 1.
    void reorderLines(const std::vector<int>& order);
    void showSortIndicator();
    // The sorted column's heading (a section of the header, -1: none) drawn as small as it must
    // be to fit beside the direction's arrow; every other heading in the header's font.
    void fitSortedHeading(int section);

    int m_fixedCols = 1;
    int m_frozenCols = 0;
    FrozenColumns* m_frozen = nullptr;
    std::function<RecordMark(int row)> m_marks;
    int m_row = 0;
    int m_col = 0;
    bool m_pressed = false;
    bool m_pressOnCell = false;
    bool m_clickCancelled = false;
    bool m_afterDoubleClick = false;
    bool m_tabKeyDown = true;
    QAbstractButton* m_corner = nullptr;
    QStyledItemDelegate* m_delegate = nullptr;
    QString m_cornerText;
    // scaled()'s factor and the font and resolution it was measured for.
    mutable QString m_scaledFor;
    mutable qreal m_scaleFactor = 1.0;
    std::vector<int> m_sortCols;
    bool m_sortKeepsLast = false;
    SortState m_sort;
};

} // namespace kx2

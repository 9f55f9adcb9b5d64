#pragma once
#include <QObject>
#include <functional>

class QLabel;
class QLineEdit;
class QWidget;

namespace kx2 {

class FlexGrid;

// What the name box asks of the editor it sits in.
struct NameCells {
    std::function<bool(int row, int col)> isName;
    // How many characters the box takes on this cell; -1: as many as are typed (the store cuts
    // them).
    std::function<int(int row, int col)> room;
    // How many characters the cell's whole name area holds (both lines of a two-line area), for
    // "12 von 23 Zeichen" under the box; -1: nothing is shown.
    std::function<int(int row, int col)> capacity;
    // True where two name lines share the area: the count says it counts both.
    std::function<bool()> twoLines;
    // The line's cells into the table (save_data_from_grid).
    std::function<void(int row)> store;
    // Tab (back: with shift), after what was typed is stored: where the grid goes.
    std::function<void(bool back)> tab;
};

// The name box InpText laid over a name cell of an editor's grid, and under it InpTextRoom: how
// much of the name area is used. The box is wide enough for the longest name the area takes; the
// count stands in its own strip under the box, in the edited line, which grows for it where the
// line is too low for both, so that it hides no other line's cells. The cell being edited is the
// program-wide EditRow and EditCol, which all editors share.
class NameEditBox : public QObject {
public:
    // The box and its label become children of `area`, the widget the grid sits in.
    NameEditBox(QWidget* area, FlexGrid* grid, int& editRow, int& editCol, NameCells cells);

    QLineEdit* InpText() const { return m_inpText; }
    QLabel* InpTextRoom() const { return m_roomLabel; }
    bool isOpen() const;

    // The box on the current cell, when it is a name cell; elsewhere an open box is committed.
    // True when it is open now.
    bool open();
    // Cell (EditRow, EditCol) := text of InpText; hide it; store (EditRow).
    void commit();
    void commitIfOpen();
    // The box goes, what was typed with it; the grid gets the focus back if the box had it.
    void hide();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // InpText over the current cell, with the cell's text, clipped to the grid's scrolled area,
    // and room in its line for the count under it.
    void PlaceEditBox();
    // The line grown for the count back to its height.
    void restoreLine();
    // Tab and Shift+Tab keep what was typed and move on, Enter keeps it, Escape gives it up,
    // Up and Down keep it and change the line.
    bool InpText_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void showNameRoom();
    QString roomText(int used, int capacity) const;

    FlexGrid* m_grid;
    int& m_editRow;
    int& m_editCol;
    NameCells m_cells;
    QLineEdit* m_inpText;
    QLabel* m_roomLabel;
    // The line grown for the count (-1: none) and its height before.
    int m_grownRow = -1;
    int m_grownFrom = 0;
};

} // namespace kx2

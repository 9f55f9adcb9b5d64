#pragma once
#include <QSize>
#include <QString>

class QWidget;

namespace kx2 {

// How an editor's window is laid out.
struct GridEditorDesign {
    const char* formName; // "LokdatenFrm"
    QString caption;      // "Lok-Datensätze:"
    const char* gridName; // "LokdatenGrid"
    // 1: column 0 stays in place as the grid scrolls (the locomotives' addresses);
    // 0: the grid has one fixed header row only and column 0 is an ordinary column.
    int fixedCols;
    // Twips from the grid's bottom to the form's: 1100, or 1800 where the address frame sits
    // under the grid.
    int bottomMargin;
    // Columns 0..frozenCols-1 (the address and the names) stay in view as the grid scrolls
    // sideways.
    int frozenCols = 0;
};

// The grid editors' form measures, kept in twips as the form was laid out: the grid 100 twips
// in from the left and the top, 350 short of the right edge and `bottomMargin` short of the
// bottom, an address frame under it aligned with its right edge, and no side under 2000 twips.

// The least width and height of the form, in pixels.
int editorFormLeast();
// The grid, and the address frame when there is one, in the area of `area` pixels under the
// form's menu bar.
void placeEditorGrid(QWidget& grid, QWidget* addressFrame, QSize area, int bottomMargin);
// Maximised, or at least as wide and high as the screen's room for windows.
bool fillsScreen(const QWidget& window);

} // namespace kx2

#pragma once
#include "editor/GridEditing.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace kx2 {

// What the editors' search line finds, without widgets. It looks at the cells of the searched
// columns in every data line, line by line as the grid shows them, and wraps at either end.

// A cell matches when its text holds what was typed, letters without regard to case: "krok"
// finds "Krokodil", "ä" finds "Ä" but not "a". Nothing typed matches nothing.
bool cellMatches(const QString& text, const QString& typed);

enum class SearchStep {
    Here,     // from the current cell on, the current cell included (as the user types)
    Next,     // the first match after the current cell (Enter, F3)
    Previous, // the first match before it (Shift+F3)
};

// The cell to go to, or none when no cell matches. `text` gives a cell's text, `rows` counts the
// grid's rows with the header row, `cols` are the searched columns in ascending order.
std::optional<GridCell> findInGrid(const std::function<QString(int row, int col)>& text, int rows,
                                   const std::vector<int>& cols, GridCell from, SearchStep step, const QString& typed);

} // namespace kx2

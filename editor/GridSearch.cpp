#include "editor/GridSearch.h"

#include <algorithm>

namespace kx2 {

bool cellMatches(const QString& text, const QString& typed)
{
    return !typed.isEmpty() && text.contains(typed, Qt::CaseInsensitive);
}

std::optional<GridCell> findInGrid(const std::function<QString(int row, int col)>& text, int rows,
                                   const std::vector<int>& cols, GridCell from, SearchStep step, const QString& typed)
{
    const int perLine = int(cols.size());
    const int cells = std::max(0, rows - 1) * perLine;
    if (cells == 0 || typed.isEmpty())
        return std::nullopt;
    // How many searched cells lie before the current one (with Next: up to and with it).
    const auto colsBefore = [&](bool withCurrent) {
        return int(withCurrent ? std::upper_bound(cols.begin(), cols.end(), from.col) - cols.begin()
                               : std::lower_bound(cols.begin(), cols.end(), from.col) - cols.begin());
    };
    const bool withCurrent = step == SearchStep::Next;
    int before = 0;
    if (from.row >= rows)
        before = cells;
    else if (from.row >= 1)
        before = (from.row - 1) * perLine + colsBefore(withCurrent);
    const int first = step == SearchStep::Previous ? before - 1 : before;
    const int dir = step == SearchStep::Previous ? -1 : 1;
    for (int n = 0; n < cells; ++n) {
        const int at = ((first + dir * n) % cells + cells) % cells;
        const GridCell cell{at / perLine + 1, cols[size_t(at % perLine)]};
        if (cellMatches(text(cell.row, cell.col), typed))
            return cell;
    }
    return std::nullopt;
}

} // namespace kx2

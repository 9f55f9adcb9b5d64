#pragma once
#include "editor/GridSearch.h"

#include <functional>
#include <vector>

class QMainWindow;
class QMenu;
class QObject;
class QToolBar;

namespace kx2 {

class FlexGrid;
class SearchBar;

// What an editor's search needs of it: whether it may move now, the columns to look in, and how
// to make a found cell the current one.
struct FindHooks {
    std::function<bool()> busy;
    std::function<std::vector<int>()> cols;
    std::function<void(const GridCell&)> jump;
};

// The editor's search: the search line under the menu (shown only while searching), the
// "Suchen...", "Weitersuchen" and "Rückwärts suchen" items, and where the next search starts.
class GridFind {
public:
    GridFind(QMainWindow* window, FlexGrid& grid, FindHooks hooks);

    // The three items after a separator at the end of `menu`.
    void addTo(QMenu* menu, QObject* context);
    // Shows the line with the focus in it.
    void open();
    // The next (previous, or first from here) match of what the line holds.
    void find(SearchStep step);
    SearchBar* bar() const { return m_bar; }

private:
    FlexGrid& m_grid;
    FindHooks m_hooks;
    QToolBar* m_line;
    SearchBar* m_bar;
    // Where the last match was and the cell it made current: while that cell stays current, the
    // search goes on from the match (an address match makes the line's first cell current).
    GridCell m_at;
    GridCell m_shown;
};

} // namespace kx2

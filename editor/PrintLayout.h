#pragma once
#include <vector>

namespace kx2 {

// How a table goes onto pages: the columns fall into groups as wide as the page, each group
// starting with the key columns (address, name) again, so no cell is ever narrowed or broken;
// the rows fall into blocks of as many as a page holds below the column titles. A table much
// narrower than the page puts its blocks side by side in lanes, as a list in a catalogue.
struct PrintSheet {
    std::vector<int> widths; // each column's width, titles and cells measured, in device units
    int keyColumns = 0;      // the leading columns every group repeats
    int pageWidth = 0;
    int bodyHeight = 0;      // room for the column titles and the rows
    int rowHeight = 1;
    int rowCount = 0;
    int laneGap = 0;         // room between two lanes
};

struct PrintLayout {
    std::vector<std::vector<int>> groups; // column numbers of each group, key columns first
    // A group's widths; a table of one group is stretched to the page's width (to its lane's).
    std::vector<std::vector<int>> groupWidths;
    int rowsPerPage = 1;
    int blocks = 1; // row blocks; one for an empty table, which still prints its titles
    int lanes = 1;  // blocks side by side on a page
    int laneStep = 0; // from one lane's left edge to the next one's
    // Pages go block by block (lanes blocks at a time), the groups of one block side by side in turn.
    int pageCount() const { return (blocks + lanes - 1) / lanes * int(groups.size()); }
    int groupOfPage(int page) const { return page % int(groups.size()); }
    int firstRowOfPage(int page, int lane = 0) const
    {
        return (page / int(groups.size()) * lanes + lane) * rowsPerPage;
    }
};

PrintLayout layOutPrint(const PrintSheet& sheet);

} // namespace kx2

#include "editor/PrintLayout.h"

#include <algorithm>
#include <numeric>

namespace kx2 {

PrintLayout layOutPrint(const PrintSheet& sheet)
{
    PrintLayout layout;
    const int columns = int(sheet.widths.size());
    const int keys = std::clamp(sheet.keyColumns, 0, columns);
    const int keyWidth = std::accumulate(sheet.widths.begin(), sheet.widths.begin() + keys, 0);
    std::vector<int> group;
    int used = keyWidth;
    const auto close = [&] {
        std::vector<int> all(static_cast<size_t>(keys));
        std::iota(all.begin(), all.end(), 0);
        all.insert(all.end(), group.begin(), group.end());
        layout.groups.push_back(all);
        group.clear();
        used = keyWidth;
    };
    for (int c = keys; c < columns; ++c) {
        // A column wider than what is left of the page after the keys still gets a group of its own.
        if (!group.empty() && used + sheet.widths[size_t(c)] > sheet.pageWidth)
            close();
        group.push_back(c);
        used += sheet.widths[size_t(c)];
    }
    if (!group.empty() || layout.groups.empty())
        close();

    for (const std::vector<int>& g : layout.groups) {
        std::vector<int> w;
        for (int c : g)
            w.push_back(sheet.widths[size_t(c)]);
        const int total = std::accumulate(w.begin(), w.end(), 0);
        if (layout.groups.size() == 1 && total > 0 && total < sheet.pageWidth) {
            // Spread what is left over all columns, the last one taking the rounding.
            int given = 0;
            for (int& x : w) {
                x = int(static_cast<long long>(x) * sheet.pageWidth / total);
                given += x;
            }
            w.back() += sheet.pageWidth - given;
        }
        layout.groupWidths.push_back(w);
    }

    const int rowHeight = std::max(1, sheet.rowHeight);
    layout.rowsPerPage = std::max(1, sheet.bodyHeight / rowHeight - 1); // one line for the titles
    layout.blocks = std::max(1, (sheet.rowCount + layout.rowsPerPage - 1) / layout.rowsPerPage);
    return layout;
}

} // namespace kx2

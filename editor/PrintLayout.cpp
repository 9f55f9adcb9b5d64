#include "editor/PrintLayout.h"

#include <algorithm>
#include <numeric>

namespace kx2 {

namespace {

// The columns after the keys in groups no wider than `limit`, the keys counted in each; a column
// wider than what the keys leave still gets a group of its own.
std::vector<std::vector<int>> fillGroups(const PrintSheet& sheet, int keys, int keyWidth, int limit)
{
    std::vector<std::vector<int>> groups;
    std::vector<int> group;
    int used = keyWidth;
    const auto close = [&] {
        std::vector<int> all(static_cast<size_t>(keys));
        std::iota(all.begin(), all.end(), 0);
        all.insert(all.end(), group.begin(), group.end());
        groups.push_back(all);
        group.clear();
        used = keyWidth;
    };
    for (int c = keys; c < int(sheet.widths.size()); ++c) {
        if (!group.empty() && used + sheet.widths[size_t(c)] > limit)
            close();
        group.push_back(c);
        used += sheet.widths[size_t(c)];
    }
    if (!group.empty() || groups.empty())
        close();
    return groups;
}

// Spreads `width` over the columns in proportion, the last one taking the rounding.
void stretch(std::vector<int>& widths, int width)
{
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    if (total <= 0 || total >= width)
        return;
    int given = 0;
    for (int& x : widths) {
        x = int(static_cast<long long>(x) * width / total);
        given += x;
    }
    widths.back() += width - given;
}

} // namespace

PrintLayout layOutPrint(const PrintSheet& sheet)
{
    PrintLayout layout;
    const int columns = int(sheet.widths.size());
    const int keys = std::clamp(sheet.keyColumns, 0, columns);
    const int keyWidth = std::accumulate(sheet.widths.begin(), sheet.widths.begin() + keys, 0);
    layout.groups = fillGroups(sheet, keys, keyWidth, sheet.pageWidth);
    // As many groups, but as even as they come: the narrowest width that still needs no more
    // of them, so that the last page of a row block is no sliver (f0..f14 and f15..f28, not
    // f0..f25 and f26..f28).
    if (layout.groups.size() > 1) {
        int fits = sheet.pageWidth;
        int tooNarrow = keyWidth;
        while (fits - tooNarrow > 1) {
            const int limit = tooNarrow + (fits - tooNarrow) / 2;
            if (fillGroups(sheet, keys, keyWidth, limit).size() <= layout.groups.size())
                fits = limit;
            else
                tooNarrow = limit;
        }
        layout.groups = fillGroups(sheet, keys, keyWidth, fits);
    }

    const int rowHeight = std::max(1, sheet.rowHeight);
    layout.rowsPerPage = std::max(1, sheet.bodyHeight / rowHeight - 1); // one line for the titles
    layout.blocks = std::max(1, (sheet.rowCount + layout.rowsPerPage - 1) / layout.rowsPerPage);

    for (const std::vector<int>& g : layout.groups) {
        std::vector<int> w;
        for (int c : g)
            w.push_back(sheet.widths[size_t(c)]);
        layout.groupWidths.push_back(w);
    }
    if (layout.groups.size() == 1) {
        std::vector<int>& w = layout.groupWidths.front();
        const int total = std::accumulate(w.begin(), w.end(), 0);
        if (total > 0)
            layout.lanes = std::clamp((sheet.pageWidth + sheet.laneGap) / (total + sheet.laneGap), 1, layout.blocks);
        const int laneWidth = (sheet.pageWidth - (layout.lanes - 1) * sheet.laneGap) / layout.lanes;
        stretch(w, laneWidth);
        layout.laneStep = laneWidth + sheet.laneGap;
    }
    return layout;
}

} // namespace kx2

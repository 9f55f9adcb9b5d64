// How a table goes onto pages, without a paint device. (The pages themselves: TablePrintTest.)
#include "editor/PrintLayout.h"

#include <gtest/gtest.h>

using namespace kx2;

using Groups = std::vector<std::vector<int>>;
// Each line: column widths, key columns, page width, the column groups and their widths.
TEST(PrintLayout, ColumnsFillGroupsAsWideAsThePageEachStartingWithTheKeys)
{
    const struct {
        std::vector<int> widths;
        int keys;
        int page;
        Groups groups;
        Groups widthsOut;
    } rows[] = {
        {{10, 40, 20, 20, 20}, 2, 100, {{0, 1, 2, 3}, {0, 1, 4}}, {{10, 40, 20, 20}, {10, 40, 20}}},
        {{10, 30, 10}, 1, 100, {{0, 1, 2}}, {{20, 60, 20}}},            // one group spreads over the page
        {{10, 20, 30}, 0, 50, {{0, 1}, {2}}, {{10, 20}, {30}}},          // no keys
        {{10, 40, 80, 10}, 2, 100, {{0, 1, 2}, {0, 1, 3}}, {{10, 40, 80}, {10, 40, 10}}}, // too wide: alone
        {{10, 40}, 2, 100, {{0, 1}}, {{20, 80}}},                        // keys only
        {{30, 30, 30}, 5, 60, {{0, 1, 2}}, {{30, 30, 30}}},              // more keys than columns
        {{10, 20, 20, 20, 20}, 1, 75, {{0, 1, 2}, {0, 3, 4}}, {{10, 20, 20}, {10, 20, 20}}}, // as even as they come
    };
    for (const auto& r : rows) {
        const PrintLayout layout = layOutPrint({r.widths, r.keys, r.page});
        EXPECT_EQ(layout.groups, r.groups) << r.page << " " << r.widths.size();
        EXPECT_EQ(layout.groupWidths, r.widthsOut) << r.page << " " << r.widths.size();
    }
}

// Each line: body height, row height, rows, groups; rows per page, pages, and the group and first
// row of the last page.
TEST(PrintLayout, RowsFallIntoBlocksBelowTheTitlesAndEachBlockGoesThroughAllGroups)
{
    const struct {
        int body, rowHeight, rowCount, columns;
        int perPage, pages, lastGroup, lastFirstRow;
    } rows[] = {
        {110, 10, 500, 1, 10, 50, 0, 490}, {110, 10, 500, 3, 10, 150, 2, 490}, {110, 10, 501, 1, 10, 51, 0, 500},
        {110, 10, 0, 2, 10, 2, 1, 0},      {5, 10, 3, 1, 1, 3, 0, 2},          {110, 0, 5, 1, 109, 1, 0, 0},
    };
    for (const auto& r : rows) {
        const PrintLayout layout = layOutPrint({std::vector<int>(size_t(r.columns), 100), 0, 100, r.body, r.rowHeight, r.rowCount});
        EXPECT_EQ(layout.rowsPerPage, r.perPage) << r.rowCount;
        EXPECT_EQ(layout.pageCount(), r.pages) << r.rowCount;
        EXPECT_EQ(layout.groupOfPage(r.pages - 1), r.lastGroup) << r.rowCount;
        EXPECT_EQ(layout.firstRowOfPage(r.pages - 1), r.lastFirstRow) << r.rowCount;
    }
}

// Each line: the one column's width and the rows of a table on a page 110 wide with lanes 10 apart
// and 10 rows a page; the lanes, pages, the step between lanes and the first row of the last
// page's last lane.
TEST(PrintLayout, ATableMuchNarrowerThanThePageRunsInLanes)
{
    const struct {
        int width, rowCount;
        int lanes, pages, laneStep, lastFirstRow;
    } rows[] = {
        {30, 25, 3, 1, 40, 20}, {30, 75, 3, 3, 40, 80}, {50, 75, 2, 4, 60, 70}, {30, 5, 1, 1, 120, 0}, {60, 75, 1, 8, 120, 70},
    };
    for (const auto& r : rows) {
        const PrintLayout layout = layOutPrint({{r.width}, 0, 110, 110, 10, r.rowCount, 10});
        EXPECT_EQ(std::tuple(layout.lanes, layout.pageCount(), layout.laneStep), std::tuple(r.lanes, r.pages, r.laneStep))
            << r.width << " " << r.rowCount;
        EXPECT_EQ(layout.firstRowOfPage(r.pages - 1, r.lanes - 1), r.lastFirstRow) << r.width << " " << r.rowCount;
    }
}

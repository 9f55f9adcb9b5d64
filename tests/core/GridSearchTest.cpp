// What the editors' search line finds, without widgets.
#include "editor/GridSearch.h"

#include <gtest/gtest.h>

using namespace kx2;

// A grid of three lines (row 0 is the header), searched in the address column 0 and the name
// column 2; column 1 holds a format that is not searched. Each line: where the search starts,
// the step, what was typed and the cell found (row 0: "nicht gefunden").
TEST(GridSearch, FindsAsTypedGoesOnBothWaysWrapsAndSaysWhenNothingMatches)
{
    const QString cells[4][3] = {{"Adr.", "D-For.", "Name"},
                                 {"3", "DCC 28", "Krokodil"},
                                 {"38", "DCC 14", "Öl-Tender"},
                                 {"100", "DCC 28", "krokus"}};
    const auto text = [&](int row, int col) { return cells[row][col]; };
    constexpr auto Here = SearchStep::Here, Next = SearchStep::Next, Back = SearchStep::Previous;
    const struct {
        GridCell from;
        SearchStep step;
        const char* typed;
        GridCell found;
    } rows[] = {
        {{2, 0}, Here, "KROK", {3, 2}},  {{1, 0}, Here, "krok", {1, 2}}, {{1, 2}, Here, "krok", {1, 2}},
        {{1, 2}, Next, "krok", {3, 2}},  {{3, 2}, Next, "krok", {1, 2}}, {{1, 2}, Back, "krok", {3, 2}},
        {{3, 2}, Back, "krok", {1, 2}},  {{1, 0}, Here, "38", {2, 0}},   {{2, 0}, Next, "3", {1, 0}},
        {{1, 1}, Here, "28", {0, 0}},    {{1, 0}, Here, "öl", {2, 2}},   {{1, 0}, Here, "Ol-", {0, 0}},
        {{2, 2}, Next, "Zug", {0, 0}},   {{1, 0}, Here, "", {0, 0}},
    };
    for (const auto& r : rows) {
        const std::optional<GridCell> found = findInGrid(text, 4, {0, 2}, r.from, r.step, QString::fromUtf8(r.typed));
        EXPECT_EQ(found.value_or(GridCell{}), r.found) << r.typed << " from " << r.from.row << "/" << r.from.col;
    }
}

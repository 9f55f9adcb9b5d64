// The order a grid shows its lines in when sorted by a column, without widgets. (The grid that
// applies it: GridSortTest.)
#include "editor/SortOrder.h"

#include <gtest/gtest.h>

using namespace kx2;

// Each line: the state before, the heading clicked and the state after.
TEST(SortOrder, AHeadingSortsUpThenDownThenBackToTheStationsOrder)
{
    constexpr auto Up = SortDirection::Ascending, Down = SortDirection::Descending, Station = SortDirection::Station;
    const struct {
        SortState now;
        int col;
        SortState next;
    } rows[] = {
        {{}, 2, {2, Up}},     {{2, Up}, 2, {2, Down}}, {{2, Down}, 2, {-1, Station}},
        {{2, Up}, 0, {0, Up}}, {{2, Down}, 3, {3, Up}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(nextSortState(r.now, r.col), r.next) << r.now.col << " -> " << r.col;
}

// Each line: two cell texts and the sign of their comparison.
TEST(SortOrder, NumbersCompareAsNumbersAndLettersWithoutCase)
{
    const std::tuple<QString, QString, int> rows[] = {
        {"9", "10", -1},          {"100", "38", 1},          {"DCC 14", "DCC 128", -1}, {"DCC 28", "Motorola alt", -1},
        {"krokodil", "Krokodil", 0}, {"Öl", "öl", 0},        {"Öl", "Ol", 1},           {"Ae 8/14", "Ae 8/7", 1},
        {"007", "7", 0},          {"Lok", "Lok 2", -1},
    };
    for (const auto& [a, b, sign] : rows) {
        const int c = compareCellTexts(a, b);
        EXPECT_EQ((c > 0) - (c < 0), sign) << a.toStdString() << " / " << b.toStdString();
    }
}

// Each line: the direction and the lines in the order shown. Keys of lines 0..5, station places
// 5, 4, 3, 2, 1, 0: equal texts keep the station's order, blanks and "-" stay at the end.
TEST(SortOrder, EqualTextsKeepTheStationsOrderAndBlanksStayLast)
{
    const std::vector<QString> keys{"b", "", "A", "-", "a", "c"};
    const std::vector<int> station{5, 4, 3, 2, 1, 0};
    const std::pair<SortDirection, std::vector<int>> rows[] = {
        {SortDirection::Station, {5, 4, 3, 2, 1, 0}},
        {SortDirection::Ascending, {4, 2, 0, 5, 3, 1}},
        {SortDirection::Descending, {5, 0, 4, 2, 3, 1}},
    };
    for (const auto& [direction, order] : rows)
        EXPECT_EQ(sortedLines(keys, station, direction), order) << int(direction);
}

#pragma once
#include <QString>

#include <vector>

namespace kx2 {

// The order in which a grid shows its lines when the user sorts it by a column. Sorting only
// changes what is shown: the lines keep their records, the station's order stays what the
// tables hold, and one more click on the same column brings it back.

enum class SortDirection { Station, Ascending, Descending };

struct SortState {
    int col = -1; // the column the lines are sorted by; -1 with Station
    SortDirection direction = SortDirection::Station;
    bool operator==(const SortState& o) const { return col == o.col && direction == o.direction; }
};

// A click on the heading of `col`: the first sorts ascending, the second descending, the third
// brings back the station's order. Another column starts again with ascending.
SortState nextSortState(SortState now, int col);

// How two cell texts compare: numbers in them as numbers ("DCC 14" before "DCC 128", "9"
// before "10"), letters without regard to case ("ä" and "Ä" alike, umlauts as they are). < 0,
// 0 or > 0.
int compareCellTexts(const QString& a, const QString& b);

// The lines in the order to show them: `keys` holds each line's text in the sorted column,
// `station` each line's place in the station's order. The result lists line indexes. Lines
// whose texts compare equal keep the station's order between them in either direction; empty
// texts and "-" (no record) come last in either direction.
std::vector<int> sortedLines(const std::vector<QString>& keys, const std::vector<int>& station, SortDirection direction);

} // namespace kx2

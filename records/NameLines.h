#pragma once
#include <QString>

namespace kx2 {

class RecordTable;

// The name area of the accessory, feedback and route records: bytes 4..27 hold name line 1, the
// separator 13, name line 2, then zeros up to byte 27, in cp1252. Together the two lines take at
// most 23 characters, so that nothing ever reaches byte 28.
namespace NameLines {

constexpr int First = 4;
constexpr int Last = 27;
constexpr int Separator = 13;
constexpr int MaxChars = Last - First; // 24 bytes less the separator

// Line 1 starts at byte 4; line 2 one byte after the first 13 found in bytes 4..searchEnd (none:
// line 2 is empty). A line ends before a 13 or a 0, and at byte 27 at the latest. A record never
// written (bytes 4..27 all 255) has two empty lines.
QString read(const RecordTable& table, int row, int line, int searchEnd);

// Writes line 1, 13, line 2 and zeros up to byte 27. A line too long for the area is cut:
// line 1 keeps at most 23 characters, line 2 what is left of them.
void write(RecordTable& table, int row, const QString& line1, const QString& line2);

} // namespace NameLines
} // namespace kx2

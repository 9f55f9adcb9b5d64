#pragma once
#include <QString>

namespace kx2 {

// The most characters of a refused cell a message quotes: enough to find the cell in the file,
// while a cell of megabytes no longer fills the message.
inline constexpr int MaxShownCellChars = 40;

// `cell` as a message quotes it: whole up to MaxShownCellChars characters, else cut so that the
// cut with its mark "…" is that long. A control character shows as its picture ("12␀", "A␍B"):
// unseen it would make "12\0" look like 12, and a CR would break the message's line.
QString shownCell(const QString& cell);

} // namespace kx2

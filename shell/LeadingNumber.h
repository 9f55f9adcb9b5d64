#pragma once
#include <QString>

namespace kx2 {

// The number a text starts with, as the address boxes are read: leading blanks and tabs are
// skipped, an optional sign and the digits that follow count, the rest is ignored.
// "12abc" -> 12, "  7" -> 7, "abc" -> 0, "" -> 0. Values beyond the int range are clamped to it,
// so a box full of digits cannot overflow; the read drivers check the range themselves.
int leadingNumber(const QString& text);

} // namespace kx2

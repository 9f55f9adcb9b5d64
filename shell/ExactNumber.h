#pragma once
#include <QString>
#include <optional>

namespace kx2 {

// Numbers the user types (the windows' address boxes, kx2ctl's options) are taken only when the
// whole text is the number: "1e3", "20,5", "12abc", "0x10", "+5", " " and "" are none, where a
// leading-number reading would quietly take a part of them. Blanks and tabs around the number
// are no matter. More than 15 digits are refused: no value the program asks for comes near them.

// Decimal digits, with a minus sign before them when negative.
std::optional<long long> wholeNumber(const QString& text);
// The same, or "0x" and hexadecimal digits: the codes of the protocol are written as bytes (0x42).
std::optional<long long> wholeNumberOrHex(const QString& text);
// Decimal digits, then a point and more digits if a fraction is wanted: seconds ("0.25", "2").
std::optional<double> decimalNumber(const QString& text);

} // namespace kx2

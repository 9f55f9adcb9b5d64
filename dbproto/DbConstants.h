#pragma once
#include "link/ReadyMessage.h"

#include <array>

namespace kx2 {

// The sixteen key bytes K1..K16 combined by exclusive-or with D1..D16 of every page read and
// written. Each byte is below 0x80, so a page byte keeps its own bit 7.
inline constexpr std::array<int, 16> RecordKey{0x3C, 0x15, 0x6A, 0x27, 0x51, 0x0E, 0x73, 0x48,
                                               0x19, 0x62, 0x2D, 0x7B, 0x04, 0x5F, 0x36, 0x41};

} // namespace kx2

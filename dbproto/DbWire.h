#pragma once
#include <array>

namespace kx2::dbwire {

// The fixed parts of the command station's own messages, in one place for the requests that
// build them and for the bus monitor that names them.

// Database command: opcode, length 31, source, "I", "K".
inline constexpr std::array<int, 5> CommandHead{0xED, 0x1F, 0x08, 0x49, 0x4B};
// Its data reply (and the ready message): opcode, length 31, 0x01, "P", "C".
inline constexpr std::array<int, 5> DataReplyHead{0xE5, 0x1F, 0x01, 0x50, 0x43};
// Wire position of each group header (1..5); its four data bytes follow it.
inline constexpr std::array<int, 6> HeaderPos{0, 5, 10, 15, 20, 25};
// Data-format request: opcode, length 15, 0x01, "K", "X"; its reply has 0xE5 in front.
inline constexpr std::array<int, 5> FormatHead{0xED, 0x0F, 0x01, 'K', 'X'};
inline constexpr int FormatReplyOpcode = 0xE5;

// The selectors S1, S2, S3 that say what a database command does.
struct Selectors {
    int s1, s2, s3;
    constexpr bool operator==(const Selectors& o) const { return s1 == o.s1 && s2 == o.s2 && s3 == o.s3; }
};
inline constexpr Selectors BootStartStep1{3, 7, 0};
inline constexpr Selectors BootStartStep2{3, 4, 0};
inline constexpr Selectors BootEnd{3, 0, 0};
inline constexpr Selectors AreaCommand{3, 3, 0};
inline constexpr Selectors DisplayClear{3, 1, 0};
inline constexpr Selectors DisplayCursor{3, 1, 1};
inline constexpr Selectors DisplayText{3, 1, 3};
inline constexpr Selectors PageRead{4, 4, 0};
inline constexpr Selectors PageWrite{4, 2, 0};

// D1, D2, D5 and D8 of the area commands; D3 and D4 carry the area number.
struct AreaCode {
    int d1, d2, d5, d8;
};
inline constexpr AreaCode SamFlashRead{0, 0x08, 0x5A, 0};
inline constexpr AreaCode SamFlashWrite{0x5A, 0x08, 0x5B, 0x01};
inline constexpr AreaCode DataFlashRead{0x45, 0x0A, 0, 0};
inline constexpr AreaCode DataFlashWrite{0xDF, 0x0A, 0, 0};

} // namespace kx2::dbwire

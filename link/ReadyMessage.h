#pragma once
#include <array>

namespace kx2 {

// The eight bytes that every access and area command carries in D9..D16 and that the command
// station's ready message carries back in the same place. The link recognises the ready message
// by them (LocoNetLink::isReadyMessage). Each byte is below 0x80, so the signature never sets a
// high bit in its group headers.
inline constexpr std::array<int, 8> DbSignature{0x4B, 0x32, 0x71, 0x0D, 0x5E, 0x26, 0x39, 0x64};

} // namespace kx2

#pragma once

#include <cstdint>

namespace tenukiro {

// Bits of a board point word. A playable point carries exactly one of empty,
// black or white; every other cell of the grid carries the border bit. The view
// and mark bits ride along and survive stones coming and going.
inline constexpr uint16_t kPointEmpty = 0x01;
inline constexpr uint16_t kPointBlack = 0x02;
inline constexpr uint16_t kPointWhite = 0x04;
inline constexpr uint16_t kPointBorder = 0x08;
inline constexpr uint16_t kPointHidden = 0x80;
inline constexpr uint16_t kMarkMA = 0x100;
inline constexpr uint16_t kMarkTR = 0x200;
inline constexpr uint16_t kMarkSQ = 0x400;
inline constexpr uint16_t kMarkCR = 0x800;

inline constexpr uint16_t kStoneBits = kPointBlack | kPointWhite;
inline constexpr uint16_t kMarkBits = kMarkMA | kMarkTR | kMarkSQ | kMarkCR;

// Stone and move colours use the point bits, so the other colour of c is 6 - c.
inline constexpr int kBlack = kPointBlack;
inline constexpr int kWhite = kPointWhite;

constexpr int OtherColour(int colour) { return 6 - colour; }

constexpr bool IsStoneColour(int colour) { return colour == kBlack || colour == kWhite; }

}  // namespace tenukiro

#pragma once

#include <cstdint>

namespace tenukiro {

// A 24-bit colour laid out like a Win32 COLORREF: red in the low byte, then green, then blue.
using Color = std::uint32_t;

// What GetPixel answers for a pixel outside the raster or the clip region (Win32 CLR_INVALID).
inline constexpr Color kInvalidColor = 0xFFFFFFFFu;

constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return Color{red} | (Color{green} << 8) | (Color{blue} << 16);
}

// Only the low 8 bits of a stored colour component count.
constexpr std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

constexpr std::uint8_t RedOf(Color c) { return static_cast<std::uint8_t>(c); }
constexpr std::uint8_t GreenOf(Color c) { return static_cast<std::uint8_t>(c >> 8); }
constexpr std::uint8_t BlueOf(Color c) { return static_cast<std::uint8_t>(c >> 16); }

}  // namespace tenukiro

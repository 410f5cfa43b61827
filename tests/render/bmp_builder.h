#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/color.h"

namespace tenukiro::testing {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
  b[at] = v & 0xFF;
  b[at + 1] = (v >> 8) & 0xFF;
}
inline void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

// A BMP with a BITMAPINFOHEADER; rows are given top first and stored as the height's sign says.
inline Bytes MakeBmp(int width, int height, int bits, const std::vector<Color>& palette,
                     const std::vector<std::vector<std::uint32_t>>& rows, std::uint32_t compression = 0) {
  const std::size_t rowBytes = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  const std::size_t offset = 14 + 40 + palette.size() * 4;
  Bytes b(offset + rowBytes * rows.size(), 0);
  b[0] = 'B', b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, static_cast<std::uint32_t>(offset));
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<std::uint32_t>(width));
  Put32(b, 22, static_cast<std::uint32_t>(height));
  Put16(b, 26, 1);
  Put16(b, 28, static_cast<std::uint32_t>(bits));
  Put32(b, 30, compression);
  Put32(b, 46, static_cast<std::uint32_t>(palette.size()));
  for (std::size_t i = 0; i < palette.size(); ++i) {
    b[54 + i * 4] = BlueOf(palette[i]), b[55 + i * 4] = GreenOf(palette[i]), b[56 + i * 4] = RedOf(palette[i]);
  }
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::size_t stored = height > 0 ? rows.size() - 1 - r : r;
    std::uint8_t* row = b.data() + offset + stored * rowBytes;
    for (int x = 0; x < width && x < static_cast<int>(rows[r].size()); ++x) {
      const std::uint32_t v = rows[r][x];
      if (bits == 24) {
        row[x * 3] = BlueOf(v), row[x * 3 + 1] = GreenOf(v), row[x * 3 + 2] = RedOf(v);
      } else {
        row[x] = static_cast<std::uint8_t>(v);
      }
    }
  }
  return b;
}

}  // namespace tenukiro::testing

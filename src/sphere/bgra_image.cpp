#include "sphere/bgra_image.h"

#include <cstddef>

namespace tenukiro {

void CopyBottomUpBgra(std::span<const std::uint8_t> bgra, Raster& image) {
  const auto width = static_cast<std::size_t>(image.width());
  const auto height = static_cast<std::size_t>(image.height());
  if (image.empty() || bgra.size() != width * height * 4) return;
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint8_t* in = bgra.data() + (height - 1 - y) * width * 4;
    std::uint8_t* out = image.Row(static_cast<int>(y));
    for (std::size_t x = 0; x < width; ++x, in += 4, out += 3) {
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
    }
  }
}

}  // namespace tenukiro

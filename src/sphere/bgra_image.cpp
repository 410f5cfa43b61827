#include "sphere/bgra_image.h"

#include <cstddef>

namespace tenukiro {

void CopyBottomUpBgra(std::span<const std::uint8_t> bgra, int bufferWidth, Raster& image) {
  const auto width = static_cast<std::size_t>(image.width());
  const auto height = static_cast<std::size_t>(image.height());
  if (image.empty() || bufferWidth < image.width()) return;
  const std::size_t stride = static_cast<std::size_t>(bufferWidth) * 4;
  if (bgra.size() / stride < height) return;
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint8_t* in = bgra.data() + (height - 1 - y) * stride;
    std::uint8_t* out = image.Row(static_cast<int>(y));
    for (std::size_t x = 0; x < width; ++x, in += 4, out += 3) {
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
    }
  }
}

}  // namespace tenukiro

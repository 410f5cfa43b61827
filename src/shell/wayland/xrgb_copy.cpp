#include "shell/wayland/xrgb_copy.h"

#include <cstring>

namespace tenukiro {

void CopyToXrgb(const Raster& raster, const Rect& part, uint8_t* image, int stride) {
  const Rect clipped = Intersect(part, raster.Bounds());
  if (clipped.IsEmpty()) return;
  for (int y = clipped.top; y < clipped.bottom; ++y) {
    const uint8_t* in = raster.Row(y) + 3 * clipped.left;
    uint8_t* out = image + static_cast<size_t>(y) * static_cast<size_t>(stride) + 4 * static_cast<size_t>(clipped.left);
    for (int x = clipped.left; x < clipped.right; ++x, in += 3, out += 4) {
      const uint32_t word = (uint32_t{in[0]} << 16) | (uint32_t{in[1]} << 8) | in[2];
      std::memcpy(out, &word, 4);
    }
  }
}

}  // namespace tenukiro

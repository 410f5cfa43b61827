#include "render/png.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace tenukiro {
namespace {

// A picture is written for a reader now, not kept small for good: the fastest compression,
// and each row as the difference from the row above (the board's flat areas become zeros)
// instead of trying every filter on every row, write a full-screen frame three times faster.
constexpr int kFastestCompression = 1;
constexpr int kUpFilter = 2;

}  // namespace

bool WritePng(const Raster& raster, const std::string& path) {
  if (raster.empty()) return false;
  stbi_write_png_compression_level = kFastestCompression;
  stbi_write_force_png_filter = kUpFilter;
  return stbi_write_png(path.c_str(), raster.width(), raster.height(), 3, raster.data(), raster.stride()) != 0;
}

}  // namespace tenukiro

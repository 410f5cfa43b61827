#include "render/png.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace tenukiro {

bool WritePng(const Raster& raster, const std::string& path) {
  if (raster.empty()) return false;
  return stbi_write_png(path.c_str(), raster.width(), raster.height(), 3, raster.data(), raster.stride()) != 0;
}

}  // namespace tenukiro

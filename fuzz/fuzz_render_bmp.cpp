#include <cstddef>
#include <cstdint>
#include <span>

#include "render/bmp.h"

// Any bytes go through the BMP loader; a decoded image must respect the size caps.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto raster = tenukiro::DecodeBmp(std::span(data, size));
  if (raster && static_cast<long long>(raster->width()) * raster->height() > tenukiro::kMaxBmpPixels) {
    __builtin_trap();
  }
  return 0;
}

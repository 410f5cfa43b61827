#pragma once

#include <cstdint>

#include "render/geometry.h"
#include "render/raster.h"

namespace tenukiro {

// Copies part of the raster into a 32-bit image of the same size in the compositor's
// XRGB8888 layout (one little-endian word per pixel: blue, green, red, unused), `stride`
// bytes a row. The part is clipped to the raster; the rest of the image is left alone.
void CopyToXrgb(const Raster& raster, const Rect& part, uint8_t* image, int stride);

}  // namespace tenukiro

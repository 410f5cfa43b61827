#pragma once

#include "render/raster.h"

namespace tenukiro {

// Softens the edge of a sphere image: pixels on the ring between radius b - 1 and b + 1 around the
// centre (b = half the side) fade toward the background colour of pixel (0, 0).
void SmoothRim(Raster& image);

}  // namespace tenukiro

#pragma once

#include <cstdint>
#include <span>

#include "render/raster.h"

namespace tenukiro {

// Copies the bottom-left corner of a GL colour buffer `bufferWidth` pixels wide (four bytes per
// pixel in blue, green, red, alpha order, the bottom row first) into a raster, top row first.
// Does nothing when the buffer is too small for the raster.
void CopyBottomUpBgra(std::span<const std::uint8_t> bgra, int bufferWidth, Raster& image);

}  // namespace tenukiro

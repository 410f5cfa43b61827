#pragma once

#include <cstdint>
#include <span>

#include "render/raster.h"

namespace tenukiro {

// Copies a GL colour buffer (four bytes per pixel in blue, green, red, alpha order, the bottom row
// first) into a raster of the same size, top row first. Does nothing when the sizes disagree.
void CopyBottomUpBgra(std::span<const std::uint8_t> bgra, Raster& image);

}  // namespace tenukiro

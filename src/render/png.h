#pragma once

#include <string>

#include "render/raster.h"

namespace tenukiro {

// Writes the raster as a 24-bit PNG file; false when it is empty or the file cannot be written.
bool WritePng(const Raster& raster, const std::string& path);

}  // namespace tenukiro

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "render/raster.h"

namespace tenukiro {

// The largest image a BMP may hold: no side above Raster::kMaxSide and at most this many pixels.
inline constexpr long long kMaxBmpPixels = 32LL * 1024 * 1024;

// Decodes an uncompressed Windows BMP (1, 4, 8, 16, 24 or 32 bits, bottom-up or top-down, core or
// info headers). The header is checked before anything is allocated: a file that claims more
// pixels than allowed, is truncated, run-length compressed or otherwise malformed gives nothing.
std::optional<Raster> DecodeBmp(std::span<const std::uint8_t> bytes);

// Reads the file (at most a bounded number of bytes) and decodes it.
std::optional<Raster> LoadBmp(const std::string& path);

}  // namespace tenukiro

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "render/raster.h"

namespace tenukiro {

// The largest image a BMP may hold: no side above Raster::kMaxSide and at most this many pixels.
inline constexpr long long kMaxBmpPixels = 32LL * 1024 * 1024;

// Decodes a Windows BMP: uncompressed (1, 4, 8, 16, 24 or 32 bits, bottom-up or top-down, core or
// info headers) or run-length encoded (4 or 8 bits, bottom-up). The header is checked before
// anything is allocated: a file that claims more pixels than allowed, is truncated or otherwise
// malformed gives nothing; run-length data that ends early or runs off the image gives the
// pixels decoded up to there.
std::optional<Raster> DecodeBmp(std::span<const std::uint8_t> bytes);

// Reads the file (at most a bounded number of bytes) and decodes it.
std::optional<Raster> LoadBmp(const std::string& path);

}  // namespace tenukiro

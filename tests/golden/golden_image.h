#pragma once

#include <optional>
#include <string>

#include "render/raster.h"

namespace tenukiro::testing {

// How far a frame may stray from its recorded picture: no channel of any pixel by more than
// `channelSlack`, and at most `changedPixelsPerMille` pixels per thousand changed at all. Exact by
// default. Both bounds together let shading vary a little on a few pixels, while a colour changed
// by one level all over, or a stone moved, still fails.
struct Tolerance {
  int channelSlack = 0;
  int changedPixelsPerMille = 0;
};

struct Comparison {
  bool same = false;
  long long changedPixels = 0;  // pixels that differ in any channel
  int largestDifference = 0;    // in any channel of any pixel
  std::string sizes;            // "WxH vs WxH" when the sizes differ
};

// Reads a PNG into a raster (any channel count, alpha dropped); nothing when it cannot be read.
std::optional<Raster> ReadPng(const std::string& path);

Comparison Compare(const Raster& expected, const Raster& actual, Tolerance tolerance);

// The picture of where two frames differ: the expected frame faded to a quarter of its brightness,
// and every changed pixel in full red.
Raster DiffPicture(const Raster& expected, const Raster& actual);

}  // namespace tenukiro::testing

#include "golden/golden_image.h"

#include <algorithm>
#include <cstdlib>

#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

namespace tenukiro::testing {
namespace {

int LargestChannelDifference(Color a, Color b) {
  return std::max({std::abs(RedOf(a) - RedOf(b)), std::abs(GreenOf(a) - GreenOf(b)),
                   std::abs(BlueOf(a) - BlueOf(b))});
}

}  // namespace

std::optional<Raster> ReadPng(const std::string& path) {
  int width = 0, height = 0, channels = 0;
  stbi_uc* pixels = stbi_load(path.c_str(), &width, &height, &channels, 3);
  if (!pixels) return std::nullopt;
  std::optional<Raster> raster(std::in_place, width, height);
  for (int y = 0; y < height; ++y) {
    std::copy_n(pixels + static_cast<size_t>(y) * width * 3, static_cast<size_t>(width) * 3, raster->Row(y));
  }
  stbi_image_free(pixels);
  return raster;
}

Comparison Compare(const Raster& expected, const Raster& actual, Tolerance tolerance) {
  Comparison result;
  if (expected.width() != actual.width() || expected.height() != actual.height()) {
    result.sizes = std::to_string(actual.width()) + "x" + std::to_string(actual.height()) + " vs " +
                   std::to_string(expected.width()) + "x" + std::to_string(expected.height());
    return result;
  }
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      const int difference = LargestChannelDifference(expected.GetPixel(x, y), actual.GetPixel(x, y));
      result.largestDifference = std::max(result.largestDifference, difference);
      if (difference > 0) ++result.changedPixels;
    }
  }
  const long long pixels = static_cast<long long>(actual.width()) * actual.height();
  result.same = result.largestDifference <= tolerance.channelSlack &&
                result.changedPixels * 1000 <= pixels * tolerance.changedPixelsPerMille;
  return result;
}

Raster DiffPicture(const Raster& expected, const Raster& actual) {
  const int width = std::min(expected.width(), actual.width());
  const int height = std::min(expected.height(), actual.height());
  Raster diff(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Color e = expected.GetPixel(x, y);
      const bool changed = e != actual.GetPixel(x, y);
      diff.SetPixel(x, y, changed ? Rgb(255, 0, 0) : Rgb(RedOf(e) / 4, GreenOf(e) / 4, BlueOf(e) / 4));
    }
  }
  return diff;
}

}  // namespace tenukiro::testing

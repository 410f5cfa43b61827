#pragma once

#include <map>
#include <sstream>
#include <string>
#include <string_view>

#include "render/raster.h"

namespace tenukiro::testing {

inline constexpr Color kWhite = Rgb(255, 255, 255);
inline constexpr Color kBlack = Rgb(0, 0, 0);
inline constexpr Color kRed = Rgb(255, 0, 0);
inline constexpr Color kBlue = Rgb(0, 0, 255);

// The raster as text, one line per row: '.' white, '#' black, 'r' red, 'b' blue, '?' anything else.
inline std::string PixelMap(const Raster& raster) {
  static const std::map<Color, char> kSymbols = {{kWhite, '.'}, {kBlack, '#'}, {kRed, 'r'}, {kBlue, 'b'}};
  std::string out;
  for (int y = 0; y < raster.height(); ++y) {
    for (int x = 0; x < raster.width(); ++x) {
      const auto it = kSymbols.find(raster.GetPixel(x, y));
      out += it == kSymbols.end() ? '?' : it->second;
    }
    out += '\n';
  }
  return out;
}

// An expected map written as an indented raw string: blank edges and indentation are dropped.
inline std::string Expected(std::string_view text) {
  std::istringstream in{std::string(text)};
  std::string line, out;
  while (std::getline(in, line)) {
    const auto first = line.find_first_not_of(' ');
    if (first == std::string::npos) continue;
    out += line.substr(first) + '\n';
  }
  return out;
}

}  // namespace tenukiro::testing

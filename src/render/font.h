#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tenukiro {

// One rendered glyph: grey-scale coverage (0..255), placed relative to the pen on the baseline.
struct Glyph {
  int advance = 0;  // hinted advance in whole pixels
  int left = 0;     // from the pen to the bitmap's left column
  int top = 0;      // from the baseline up to the bitmap's top row
  int width = 0;
  int rows = 0;
  std::vector<std::uint8_t> coverage;
};

class SizedFace;

// A font of a face name and a pixel height h, where h = ascent + descent as Windows means a
// positive font height (the OS/2 usWinAscent + usWinDescent of the face span h pixels).
// Creating one is cheap: faces, sizes and rendered glyphs are cached for the process.
// A font whose face cannot be loaded is empty: it measures 0 wide and draws nothing.
class Font {
 public:
  static constexpr int kMaxHeight = 2048;

  Font() = default;
  // The height is kept within 1..kMaxHeight; weight 400 is normal, 700 bold.
  Font(std::string_view faceName, int height, int weight = 400, bool italic = false);

  bool empty() const { return face_ == nullptr; }
  int height() const { return height_; }
  int ascent() const;
  // The family of the file in use, e.g. "Liberation Sans" for "Arial"; empty when none.
  std::string family() const;

  // Calls fn for the glyph of every code point, in order, with the font's caches locked.
  void ForEachGlyph(std::u32string_view text, const std::function<void(char32_t, const Glyph&)>& fn) const;

 private:
  std::shared_ptr<SizedFace> face_;
  int height_ = 0;
};

}  // namespace tenukiro

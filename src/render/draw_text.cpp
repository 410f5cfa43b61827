#include <climits>
#include <vector>

#include "render/canvas.h"

namespace tenukiro {
namespace {

bool IsLineEnd(char32_t c) { return c == U'\r' || c == U'\n'; }

// Splits text into lines, as [begin, end) indices: at CR, LF or CR LF, and, when maxWidth >= 0,
// after the last word that still ends within maxWidth (a first word always stays on its line).
// offsets[i] is the pen position before code point i.
class LineBreaker {
 public:
  LineBreaker(std::u32string_view text, const std::vector<long long>& offsets, long long maxWidth)
      : text_(text), offsets_(offsets), maxWidth_(maxWidth) {}

  std::vector<std::pair<std::size_t, std::size_t>> Lines() const {
    std::vector<std::pair<std::size_t, std::size_t>> lines;
    std::size_t start = 0;
    while (start < text_.size()) {
      std::size_t end = start;
      while (end < text_.size() && !IsLineEnd(text_[end])) ++end;
      WrapParagraph(start, end, lines);
      start = SkipLineEnd(end);
    }
    return lines;
  }

 private:
  // Past one CR, LF or CR LF at i.
  std::size_t SkipLineEnd(std::size_t i) const {
    if (i < text_.size() && text_[i] == U'\r') {
      ++i;
      if (i < text_.size() && text_[i] == U'\n') ++i;
    } else if (i < text_.size() && text_[i] == U'\n') {
      ++i;
    }
    return i;
  }

  std::size_t WordEnd(std::size_t from, std::size_t end) const {
    while (from < end && text_[from] == U' ') ++from;
    while (from < end && text_[from] != U' ') ++from;
    return from;
  }

  void WrapParagraph(std::size_t begin, std::size_t end, std::vector<std::pair<std::size_t, std::size_t>>& lines) const {
    if (maxWidth_ < 0 || begin == end) {
      lines.emplace_back(begin, end);
      return;
    }
    while (begin < end) {
      std::size_t stop = WordEnd(begin, end);
      for (std::size_t next = WordEnd(stop, end); next > stop && offsets_[next] - offsets_[begin] <= maxWidth_;
           next = WordEnd(stop, end)) {
        stop = next;
      }
      lines.emplace_back(begin, stop);
      begin = stop;
      while (begin < end && text_[begin] == U' ') ++begin;
    }
  }

  std::u32string_view text_;
  const std::vector<long long>& offsets_;
  long long maxWidth_;
};

}  // namespace

int Canvas::DrawText(std::string_view text, Rect& rect, unsigned format) {
  const std::u32string codes = DecodeText(text, encoding_);
  std::vector<long long> offsets(1, 0);
  font_.ForEachGlyph(codes, [&](char32_t, const Glyph& glyph) { offsets.push_back(offsets.back() + glyph.advance); });
  offsets.resize(codes.size() + 1, offsets.back());
  const bool wrap = (format & kDtWordBreak) != 0;
  const auto lines = LineBreaker(codes, offsets, wrap ? std::max(rect.Width(), 0LL) : -1).Lines();
  const int lineHeight = font_.empty() ? 0 : font_.height();
  const long long height = static_cast<long long>(lines.size()) * lineHeight;
  if (format & kDtCalcRect) {
    long long widest = 0;
    for (const auto& [begin, end] : lines) widest = std::max(widest, offsets[end] - offsets[begin]);
    const long long right = static_cast<long long>(rect.left) + widest;
    rect.right = static_cast<int>(std::clamp<long long>(wrap ? std::max<long long>(rect.right, right) : right, INT_MIN, INT_MAX));
    rect.bottom = static_cast<int>(std::clamp<long long>(rect.top + height, INT_MIN, INT_MAX));
    return static_cast<int>(std::min<long long>(height, INT_MAX));
  }
  const ClipRegion saved = clip_;
  if (!(format & kDtNoClip)) clip_.Intersect(rect);
  long long top = rect.top;
  for (const auto& [begin, end] : lines) {
    const long long width = offsets[end] - offsets[begin];
    const long long left = (format & kDtCenter) ? (static_cast<long long>(rect.left) + rect.right - width) / 2 : rect.left;
    if (top > INT_MAX) break;
    DrawTextLine(static_cast<int>(std::clamp<long long>(left, INT_MIN, INT_MAX)), static_cast<int>(top),
                 std::u32string_view(codes).substr(begin, end - begin), false);
    top += lineHeight;
  }
  clip_ = saved;
  return static_cast<int>(std::min<long long>(height, INT_MAX));
}

}  // namespace tenukiro

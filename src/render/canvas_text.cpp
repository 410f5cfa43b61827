#include <climits>
#include <functional>

#include "render/canvas.h"

namespace tenukiro {
namespace {

constexpr char32_t kBreakChar = U' ';

std::uint8_t Blend(std::uint8_t under, std::uint8_t over, unsigned coverage) {
  return static_cast<std::uint8_t>((under * (255 - coverage) + over * coverage + 127) / 255);
}

}  // namespace

void Canvas::SetTextJustification(int extra, int breakCount) {
  justifyExtra_ = breakCount > 0 ? extra : 0;
  justifyBreaks_ = std::max(breakCount, 0);
}

int Canvas::JustificationAt(int breakIndex) const {
  if (justifyBreaks_ == 0) return 0;
  const int share = justifyExtra_ / justifyBreaks_;
  const int remainder = justifyExtra_ % justifyBreaks_;
  const int extra = breakIndex < std::abs(remainder) ? (remainder > 0 ? 1 : -1) : 0;
  return share + extra;
}

int Canvas::TextWidth(std::u32string_view text) const {
  long long width = 0;
  int breaks = 0;
  font_.ForEachGlyph(text, [&](char32_t code, const Glyph& glyph) {
    width += glyph.advance;
    if (code == kBreakChar) width += JustificationAt(breaks++);
  });
  return static_cast<int>(std::clamp<long long>(width, 0, INT_MAX));
}

Size Canvas::GetTextExtent(std::string_view text) const {
  return Size{TextWidth(DecodeText(text, encoding_)), font_.empty() ? 0 : font_.height()};
}

void Canvas::BlendGlyph(int penX, int baseline, const Glyph& glyph) {
  const long long left = static_cast<long long>(penX) + glyph.left;
  const long long top = static_cast<long long>(baseline) - glyph.top;
  for (int row = 0; row < glyph.rows; ++row) {
    const long long y = top + row;
    if (y < clip_.box().top || y >= clip_.box().bottom) continue;
    const std::uint8_t* coverage = glyph.coverage.data() + static_cast<std::ptrdiff_t>(row) * glyph.width;
    const long long from = std::max<long long>(left, clip_.box().left);
    const long long to = std::min<long long>(left + glyph.width, clip_.box().right);
    if (from >= to) continue;
    clip_.ForEachVisibleSpan(static_cast<int>(y), static_cast<int>(from), static_cast<int>(to), [&](int a, int b) {
      std::uint8_t* p = raster_->Row(static_cast<int>(y)) + static_cast<std::ptrdiff_t>(a) * 3;
      for (int x = a; x < b; ++x, p += 3) {
        const unsigned c = coverage[x - left];
        if (c == 0) continue;
        p[0] = Blend(p[0], RedOf(textColor_), c);
        p[1] = Blend(p[1], GreenOf(textColor_), c);
        p[2] = Blend(p[2], BlueOf(textColor_), c);
      }
    });
  }
}

void Canvas::ForEachPlacedGlyph(long long left, std::u32string_view text,
                                const std::function<void(long long, const Glyph&)>& fn) const {
  long long pen = left;
  int breaks = 0;
  font_.ForEachGlyph(text, [&](char32_t code, const Glyph& glyph) {
    fn(pen, glyph);
    pen += glyph.advance;
    if (code == kBreakChar) pen += JustificationAt(breaks++);
  });
}

void Canvas::DrawTextLine(int left, int top, std::u32string_view text, bool justify) {
  if (font_.empty()) return;
  const int savedExtra = justifyExtra_;
  const int savedBreaks = justifyBreaks_;
  if (!justify) SetTextJustification(0, 0);
  if (bkMode_ == BkMode::kOpaque) FillRect(RectAt(left, top, TextWidth(text), font_.height()), bkColor_);
  const int baseline = static_cast<int>(std::clamp<long long>(static_cast<long long>(top) + font_.ascent(), INT_MIN, INT_MAX));
  ForEachPlacedGlyph(left, text, [&](long long pen, const Glyph& glyph) {
    if (pen > INT_MIN && pen < INT_MAX) BlendGlyph(static_cast<int>(pen), baseline, glyph);
  });
  justifyExtra_ = savedExtra;
  justifyBreaks_ = savedBreaks;
}

long long Canvas::TextOutLeft(int x, std::u32string_view text) const {
  return textAlign_ == TextAlign::kCenterTop ? static_cast<long long>(x) - TextWidth(text) / 2 : x;
}

void Canvas::TextOut(int x, int y, std::string_view text) {
  const std::u32string codes = DecodeText(text, encoding_);
  DrawTextLine(static_cast<int>(std::clamp<long long>(TextOutLeft(x, codes), INT_MIN, INT_MAX)), y, codes, true);
}

Rect Canvas::TextOutBounds(int x, int y, std::string_view text) const {
  if (font_.empty()) return {};
  const std::u32string codes = DecodeText(text, encoding_);
  const long long left = std::clamp<long long>(TextOutLeft(x, codes), INT_MIN, INT_MAX);
  long long box[4] = {LLONG_MAX, LLONG_MAX, LLONG_MIN, LLONG_MIN};
  const auto add = [&box](long long l, long long t, long long r, long long b) {
    if (l >= r || t >= b) return;
    box[0] = std::min(box[0], l), box[1] = std::min(box[1], t), box[2] = std::max(box[2], r), box[3] = std::max(box[3], b);
  };
  if (bkMode_ == BkMode::kOpaque) add(left, y, left + TextWidth(codes), static_cast<long long>(y) + font_.height());
  const long long baseline = static_cast<long long>(y) + font_.ascent();
  ForEachPlacedGlyph(left, codes, [&](long long pen, const Glyph& glyph) {
    add(pen + glyph.left, baseline - glyph.top, pen + glyph.left + glyph.width, baseline - glyph.top + glyph.rows);
  });
  if (box[0] >= box[2]) return {};
  const auto clamp = [](long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); };
  return Rect{clamp(box[0]), clamp(box[1]), clamp(box[2]), clamp(box[3])};
}

void Canvas::TextOutClipped(int x, int y, const Rect& clip, std::string_view text) {
  const ClipRegion saved = clip_;
  clip_.Intersect(clip);
  TextOut(x, y, text);
  clip_ = saved;
}

}  // namespace tenukiro

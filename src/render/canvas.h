#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "base/color.h"
#include "render/clip_region.h"
#include "render/font.h"
#include "render/geometry.h"
#include "render/raster.h"
#include "render/span_shapes.h"
#include "text/text_encoding.h"

namespace tenukiro {

// A 1-pixel solid pen.
struct Pen {
  Color color = 0;
};

// A solid brush, or the null brush that leaves the inside of a shape alone.
struct Brush {
  Color color = 0;
  bool solid = true;
  static constexpr Brush Solid(Color c) { return Brush{c, true}; }
  static constexpr Brush Null() { return Brush{0, false}; }
};

// The three BitBlt raster operations the program uses: SRCCOPY, SRCPAINT and SRCAND.
enum class RasterOp { kCopy, kOr, kAnd };

// Text background modes (Win32 TRANSPARENT and OPAQUE) and reference points (TA_LEFT | TA_TOP,
// TA_CENTER | TA_TOP).
enum class BkMode { kTransparent, kOpaque };
enum class TextAlign { kLeftTop, kCenterTop };

// DrawTextA format flags, with their Win32 values.
enum DrawTextFormat : unsigned {
  kDtLeft = 0x0,
  kDtCenter = 0x1,
  kDtWordBreak = 0x10,
  kDtNoClip = 0x100,
  kDtCalcRect = 0x400,
};

// Draws on a Raster with GDI's integer semantics: lines leave out their end point, rectangles and
// bounding boxes are right/bottom exclusive, and everything clips to the raster and the clip region.
// Drawing objects are plain values passed to each call.
class Canvas {
 public:
  explicit Canvas(Raster& raster);

  Raster& raster() { return *raster_; }
  const Raster& raster() const { return *raster_; }
  int width() const { return raster_->width(); }
  int height() const { return raster_->height(); }

  // Like GDI, a pixel outside the clip region reads as kInvalidColor and is not written.
  Color GetPixel(int x, int y) const;
  void SetPixel(int x, int y, Color c);

  void ExcludeClipRect(const Rect& r);
  // Gives back an excluded rectangle (ExtSelectClipRgn with RGN_OR of that rectangle).
  void GiveBackClipRect(const Rect& r);
  void IntersectClipRect(const Rect& r);
  void ResetClip();
  const ClipRegion& clip() const { return clip_; }
  // Puts back a region taken from clip() earlier.
  void SetClip(const ClipRegion& region);

  void FillRect(const Rect& r, Color c);
  // Rectangle of the client area grown by one pixel, pen and brush both c, as a screen clear draws it:
  // the outline lies outside the client area and the inside covers it exactly.
  void ClearRect(const Rect& client, Color c);
  void Rectangle(const Rect& box, Pen pen, Brush brush);
  void Ellipse(const Rect& box, Pen pen, Brush brush);
  void RoundRect(const Rect& box, int cornerW, int cornerH, Pen pen, Brush brush);
  // The outline of the ellipse in box, counter-clockwise from the ray through start to the ray
  // through end; equal rays give the whole ellipse.
  void Arc(const Rect& box, Point start, Point end, Pen pen);

  void MoveTo(Point p) { current_ = p; }
  Point CurrentPosition() const { return current_; }
  void LineTo(Point p, Pen pen);
  void Polyline(std::span<const Point> points, Pen pen);

  // Combines the size.width x size.height block of src at srcPos into this canvas at dst.
  // Source pixels outside src leave the destination alone; src may be this canvas' raster.
  void BitBlt(Point dst, Size size, const Raster& src, Point srcPos, RasterOp op = RasterOp::kCopy);
  // StretchBlt in HALFTONE mode: the srcRect part of src is area-averaged into dst.
  void StretchBlt(const Rect& dst, const Raster& src, const Rect& srcRect);

  // Text state, kept like a device context's until changed.
  void SelectFont(const Font& font) { font_ = font; }
  const Font& font() const { return font_; }
  void SetTextColor(Color c) { textColor_ = c; }
  void SetBkColor(Color c) { bkColor_ = c; }
  void SetBkMode(BkMode mode) { bkMode_ = mode; }
  void SetTextAlign(TextAlign align) { textAlign_ = align; }
  // How the text bytes given to the calls below are read (the record's charset).
  void SetTextEncoding(const TextEncoding& encoding) { encoding_ = encoding; }
  const TextEncoding& textEncoding() const { return encoding_; }
  // Spreads extra pixels over the break characters (spaces) of the text drawn and measured next,
  // breakCount of them: extra / breakCount each, the remainder one by one to the first ones.
  // (0, 0) switches it off again.
  void SetTextJustification(int extra, int breakCount);

  // Width (sum of hinted advances, no kerning, plus any justification) and height (the font height).
  Size GetTextExtent(std::string_view text) const;
  // Draws text with its reference point at (x, y); glyphs are grey-scale coverage blended onto the
  // background (the background colour in opaque mode, the pixels beneath in transparent mode).
  void TextOut(int x, int y, std::string_view text);
  // The pixels TextOut(x, y, text) would change: its opaque background and every glyph's bitmap,
  // which may reach past the advance widths.
  Rect TextOutBounds(int x, int y, std::string_view text) const;
  // The same, clipped to clip as well (ExtTextOut with ETO_CLIPPED).
  void TextOutClipped(int x, int y, const Rect& clip, std::string_view text);
  // DrawTextA for the formats kDtLeft, kDtCenter, kDtWordBreak, kDtNoClip and kDtCalcRect: lines end
  // at CR, LF or CR LF and, with kDtWordBreak, between words that would pass the right edge (a word
  // wider than the rectangle stands alone on its line). Returns the height of the text; kDtCalcRect
  // draws nothing and sets rect's bottom (and widens its right for an overlong line).
  int DrawText(std::string_view text, Rect& rect, unsigned format);

 private:
  void PaintSpan(int y, long long x0, long long x1, Color c);
  void DrawLine(Point a, Point b, Color c);
  // Fills a shape given row by row: pixels with a 4-neighbour outside the shape get the pen,
  // the others the brush.
  template <typename RowFn>
  void DrawShape(const Rect& box, RowFn&& rowAt, Pen pen, Brush brush);

  int TextWidth(std::u32string_view text) const;
  void DrawTextLine(int left, int top, std::u32string_view text, bool justify);
  long long TextOutLeft(int x, std::u32string_view text) const;
  // Calls fn with the pen position and glyph of every character of a line that starts at left.
  void ForEachPlacedGlyph(long long left, std::u32string_view text,
                          const std::function<void(long long, const Glyph&)>& fn) const;
  void BlendGlyph(int penX, int baseline, const Glyph& glyph);
  int JustificationAt(int breakIndex) const;

  Raster* raster_;
  ClipRegion clip_;
  Point current_;
  Font font_;
  Color textColor_ = 0;
  Color bkColor_ = Rgb(255, 255, 255);
  BkMode bkMode_ = BkMode::kOpaque;
  TextAlign textAlign_ = TextAlign::kLeftTop;
  TextEncoding encoding_;
  int justifyExtra_ = 0;
  int justifyBreaks_ = 0;
};

}  // namespace tenukiro

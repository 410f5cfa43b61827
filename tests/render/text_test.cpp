#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "pixel_map.h"
#include "render/canvas.h"
#include "render/font_match.h"
#include "text/text_encoding.h"

namespace tenukiro {
namespace {

using testing::kBlack;
using testing::PixelMap;
using testing::kRed;
using testing::kWhite;

// The smallest rectangle holding every pixel that differs from the background.
Rect InkBox(const Raster& raster, Color background) {
  Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < raster.height(); ++y) {
    for (int x = 0; x < raster.width(); ++x) {
      if (raster.GetPixel(x, y) == background) continue;
      box = Rect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    }
  }
  return box;
}

struct FaceCase {
  const char* face;
  int weight;
  bool italic;
  const char* family;
};

class FontFaceTest : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FontFaceTest, ResolvesToTheMetricCompatibleFamily) {
  const Font font(GetParam().face, 20, GetParam().weight, GetParam().italic);
  ASSERT_FALSE(font.empty());
  EXPECT_EQ(font.family(), GetParam().family);
  EXPECT_EQ(font.height(), 20);
  EXPECT_GT(font.ascent(), 10);
  EXPECT_LT(font.ascent(), 20);
}

INSTANTIATE_TEST_SUITE_P(Faces, FontFaceTest,
                         ::testing::Values(FaceCase{"Arial", 400, false, "Liberation Sans"},
                                           FaceCase{"arial", 700, false, "Liberation Sans"},
                                           FaceCase{"Arial", 400, true, "Liberation Sans"},
                                           FaceCase{"Arial Narrow", 400, false, "Liberation Sans Narrow"}));

TEST(FontTest, UnknownFaceFallsBackToSomeSansFace) {
  const Font font("No Such Face 12345", 16);
  EXPECT_FALSE(font.empty());
  EXPECT_FALSE(font.family().empty());
  EXPECT_NE(font.family(), "No Such Face 12345");
}

TEST(FontTest, HeightIsKeptInRange) {
  EXPECT_EQ(Font("Arial", 0).height(), 1);
  EXPECT_EQ(Font("Arial", -40).height(), 1);
  EXPECT_EQ(Font("Arial", INT_MAX).height(), Font::kMaxHeight);
}

TEST(FontTest, AscentFollowsWindowsMetrics) {
  // Liberation Sans: usWinAscent 1854, usWinDescent 434, so 120 pixels put the baseline at 97.
  EXPECT_EQ(Font("Arial", 120).ascent(), 97);
}

class TextTest : public ::testing::Test {
 protected:
  TextTest() : canvas_(raster_) {
    canvas_.SelectFont(Font("Arial", 20));
    canvas_.SetTextColor(kBlack);
    canvas_.SetBkColor(kRed);
    canvas_.SetBkMode(BkMode::kTransparent);
  }

  int Width(std::string_view text) const { return canvas_.GetTextExtent(text).width; }

  Raster raster_{200, 60, kWhite};
  Canvas canvas_;
};

TEST_F(TextTest, ExtentIsTheSumOfAdvancesWithoutKerning) {
  EXPECT_EQ(canvas_.GetTextExtent("AV").height, 20);
  EXPECT_EQ(Width("AV"), Width("A") + Width("V"));
  EXPECT_EQ(Width("To"), Width("T") + Width("o"));
  EXPECT_EQ(Width(""), 0);
  EXPECT_GT(Width("W"), Width("i"));
}

TEST_F(TextTest, NarrowFaceIsNarrower) {
  const int normal = Width("ZANKIRO");
  canvas_.SelectFont(Font("Arial Narrow", 20));
  EXPECT_LT(Width("ZANKIRO"), normal);
}

TEST_F(TextTest, InkLiesInsideTheExtent) {
  for (const char* text : {"ZANKIRO", "Wg", "19", "Jqy|", "\xC9t\xE9"}) {
    raster_ = Raster(200, 60, kWhite);
    canvas_.TextOut(30, 20, text);
    const Size extent = canvas_.GetTextExtent(text);
    const Rect ink = InkBox(raster_, kWhite);
    ASSERT_FALSE(ink.IsEmpty()) << text;
    EXPECT_GE(ink.left, 30) << text;
    EXPECT_LE(ink.right, 30 + extent.width) << text;
    EXPECT_GE(ink.top, 20) << text;
    EXPECT_LE(ink.bottom, 20 + extent.height) << text;
  }
}

TEST_F(TextTest, TextOutBoundsHoldEveryPixelWritten) {
  for (const BkMode mode : {BkMode::kTransparent, BkMode::kOpaque}) {
    for (const char* text : {"ZANKIRO", "fj", "Wg|", "No result", "\xC9t\xE9"}) {
      raster_ = Raster(200, 60, kWhite);
      canvas_.SetBkMode(mode);
      canvas_.TextOut(30, 20, text);
      const Rect bounds = canvas_.TextOutBounds(30, 20, text);
      const Rect ink = InkBox(raster_, kWhite);
      EXPECT_EQ(Intersect(ink, bounds), ink) << text;
      if (mode == BkMode::kOpaque) {
        EXPECT_EQ(ink, bounds) << text;
      }
    }
  }
}

TEST_F(TextTest, CharactersTheFaceLacksComeFromAnotherFont) {
  if (!MatchFontWithChar(U'\u56F2')) GTEST_SKIP() << "no installed font has CJK characters";
  std::vector<std::string> pictures;
  for (const char* text : {"\xE5\x9B\xB2", "\xE7\xA2\x81", "\xEB\xB0\x94", "\xE3\x81\xB2"}) {  // 囲 碁 바 ひ
    raster_ = Raster(200, 60, kWhite);
    canvas_.TextOut(30, 20, text);
    const Rect ink = InkBox(raster_, kWhite);
    ASSERT_FALSE(ink.IsEmpty()) << text;
    EXPECT_GE(ink.top, 20) << text;
    EXPECT_LE(ink.bottom, 40) << text;
    EXPECT_GT(Width(text), 10) << PixelMap(raster_);
    pictures.push_back(PixelMap(raster_));
  }
  // Each is its own glyph, not the missing-glyph box of the chosen face.
  for (size_t i = 1; i < pictures.size(); ++i) EXPECT_NE(pictures[i], pictures[0]);
  EXPECT_EQ(canvas_.font().family(), "Liberation Sans");
}

TEST_F(TextTest, GlyphsAreAntialiasedInGrey) {
  canvas_.TextOut(10, 10, "O");
  bool grey = false;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 200; ++x) {
      const Color c = raster_.GetPixel(x, y);
      grey |= c != kWhite && c != kBlack && RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c);
    }
  }
  EXPECT_TRUE(grey);
}

TEST_F(TextTest, OpaqueModeFillsTheExtentWithTheBackground) {
  canvas_.SetBkMode(BkMode::kOpaque);
  canvas_.TextOut(10, 5, "Go");
  const Size extent = canvas_.GetTextExtent("Go");
  EXPECT_EQ(raster_.GetPixel(10, 5), kRed);
  EXPECT_EQ(raster_.GetPixel(10 + extent.width - 1, 5 + extent.height - 1), kRed);
  EXPECT_EQ(raster_.GetPixel(10 + extent.width, 5), kWhite);
  EXPECT_EQ(raster_.GetPixel(10, 5 + extent.height), kWhite);
  EXPECT_EQ(raster_.GetPixel(9, 5), kWhite);
}

TEST_F(TextTest, CentreAlignmentPutsHalfTheExtentOnEachSide) {
  canvas_.SetBkMode(BkMode::kOpaque);
  canvas_.SetTextAlign(TextAlign::kCenterTop);
  canvas_.TextOut(100, 0, "ZANKIRO");
  const int width = Width("ZANKIRO");
  const Rect box = InkBox(raster_, kWhite);
  EXPECT_EQ(box.left, 100 - width / 2);
  EXPECT_EQ(box.right, 100 - width / 2 + width);
  EXPECT_EQ(box.top, 0);
}

TEST_F(TextTest, JustificationSpreadsExtraOverSpaces) {
  const int plain = Width("a b c");
  canvas_.SetTextJustification(7, 2);
  EXPECT_EQ(Width("a b c"), plain + 7);
  // The first space gets 4 pixels, the second 3: the ink of "c" moves 7 to the right.
  canvas_.TextOut(0, 0, "a b c");
  const Rect justified = InkBox(raster_, kWhite);
  canvas_.SetTextJustification(0, 0);
  EXPECT_EQ(Width("a b c"), plain);
  raster_ = Raster(200, 60, kWhite);
  canvas_.TextOut(0, 0, "a b c");
  EXPECT_EQ(InkBox(raster_, kWhite).right + 7, justified.right);
}

TEST_F(TextTest, JustificationGivesTheRemainderToTheFirstBreaks) {
  const int a = Width("a");
  const int space = Width(" ");
  canvas_.SetTextJustification(7, 2);
  EXPECT_EQ(Width("a "), a + space + 4);
  EXPECT_EQ(Width("a  "), a + 2 * space + 7);
  canvas_.SetTextJustification(-3, 2);
  EXPECT_EQ(Width("a "), a + space - 2);
}

TEST_F(TextTest, Windows1252AndUtf8DrawTheSameCharacters) {
  EXPECT_EQ(Width("\xE9"), Width("\xC3\xA9"));
  EXPECT_EQ(Width("\x80"), Width("\xE2\x82\xAC"));
  EXPECT_NE(Width("\xC3\xA9"), Width("\xC3") + Width("\xA9"));
  canvas_.TextOut(0, 0, "\xE9");
  const Raster latin = raster_;
  raster_ = Raster(200, 60, kWhite);
  canvas_.TextOut(0, 0, "\xC3\xA9");
  EXPECT_EQ(std::equal(latin.data(), latin.data() + 200 * 60 * 3, raster_.data()), true);
}

TEST_F(TextTest, ClippedTextStaysInsideItsRectangle) {
  canvas_.SetBkMode(BkMode::kOpaque);
  canvas_.TextOutClipped(0, 0, Rect{5, 5, 15, 15}, "WWWWW");
  EXPECT_EQ(InkBox(raster_, kWhite), (Rect{5, 5, 15, 15}));
  canvas_.TextOut(100, 30, "x");
  EXPECT_NE(raster_.GetPixel(100, 30), kWhite) << "the clip is restored";
}

TEST_F(TextTest, AnyBytesAnywhereDoNotCrash) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  canvas_.SetBkMode(BkMode::kOpaque);
  for (const Point p : {Point{0, 0}, Point{INT_MAX, INT_MAX}, Point{INT_MIN, INT_MIN}, Point{-50, 30}}) {
    canvas_.TextOut(p.x, p.y, all);
    canvas_.SetTextAlign(TextAlign::kCenterTop);
    canvas_.TextOut(p.x, p.y, all);
    Rect r{p.x, p.y, INT_MAX, INT_MAX};
    canvas_.DrawText(all, r, kDtWordBreak);
  }
  EXPECT_GT(Width(all), 0);
}

TEST_F(TextTest, EmptyFontMeasuresNothing) {
  canvas_.SelectFont(Font());
  EXPECT_EQ(canvas_.GetTextExtent("abc"), (Size{0, 0}));
  canvas_.TextOut(0, 0, "abc");
  EXPECT_TRUE(InkBox(raster_, kWhite).IsEmpty());
}

class DrawTextTest : public TextTest {
 protected:
  // The number of lines DrawText finds for text in a rectangle w pixels wide.
  int Lines(std::string_view text, int w, unsigned format = kDtWordBreak) {
    Rect r{10, 10, 10 + w, 11};
    const int height = canvas_.DrawText(text, r, format | kDtCalcRect);
    EXPECT_EQ(r.bottom - r.top, height);
    return height / 20;
  }
};

TEST_F(DrawTextTest, WrapsBetweenWordsAtTheRightEdge) {
  const int two = Width("aaa aaa");
  EXPECT_EQ(Lines("aaa aaa aaa", two), 2);
  EXPECT_EQ(Lines("aaa aaa aaa", two - 1), 3);
  EXPECT_EQ(Lines("aaa aaa aaa", Width("aaa aaa aaa")), 1);
  EXPECT_EQ(Lines("aaa aaa aaa", 1, kDtLeft), 1);
}

TEST_F(DrawTextTest, OverlongWordStandsAloneAndWidensTheRectangle) {
  Rect r{0, 0, 5, 1};
  EXPECT_EQ(canvas_.DrawText("a Extraordinary b", r, kDtWordBreak | kDtCalcRect), 60);
  EXPECT_EQ(r.right, Width("Extraordinary"));
}

TEST_F(DrawTextTest, LineBreaksEndLines) {
  EXPECT_EQ(Lines("a\r\nb", 1000), 2);
  EXPECT_EQ(Lines("a\nb\rc", 1000), 3);
  EXPECT_EQ(Lines("a\r\rb", 1000), 3);
  EXPECT_EQ(Lines("a\r\n", 1000), 1);
  EXPECT_EQ(Lines("", 1000), 0);
}

TEST_F(DrawTextTest, CalcRectDrawsNothing) {
  Rect r{0, 0, 100, 1};
  canvas_.DrawText("Hello world", r, kDtWordBreak | kDtCalcRect);
  EXPECT_TRUE(InkBox(raster_, kWhite).IsEmpty());
}

TEST_F(DrawTextTest, CentredLineIsCentredInTheRectangleAndClipped) {
  canvas_.SetBkMode(BkMode::kOpaque);
  Rect r{20, 10, 120, 31};
  canvas_.DrawText("zzzzz!", r, kDtCenter);
  const int width = Width("zzzzz!");
  const Rect box = InkBox(raster_, kWhite);
  EXPECT_EQ(box.left, (20 + 120 - width) / 2);
  EXPECT_EQ(box.top, 10);
  Rect narrow{50, 40, 60, 45};
  raster_ = Raster(200, 60, kWhite);
  canvas_.DrawText("zzzzz!", narrow, kDtCenter);
  EXPECT_EQ(InkBox(raster_, kWhite), narrow);
}

TEST(TextEncoding, TheCanvasReadsTextInItsEncoding) {
  Raster none;
  Canvas canvas(none);
  canvas.SelectFont(Font("Arial", 20));
  const std::string bytes = "\xCF\xF0\xE8\xE2\xE5\xF2";  // "Привет" in Windows-1251
  const int utf8 = canvas.GetTextExtent("Привет").width;
  EXPECT_NE(canvas.GetTextExtent(bytes).width, utf8);
  canvas.SetTextEncoding(TextEncoding::ForCharset("Windows-1251"));
  EXPECT_EQ(canvas.GetTextExtent(bytes).width, utf8);
}

}  // namespace
}  // namespace tenukiro

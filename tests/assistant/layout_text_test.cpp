#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assistant/layout_text.h"
#include "assistant_test_support.h"
#include "replay/loaded_record.h"

namespace tenukiro {
namespace {

using testing::CountOf;
using testing::ExtentOf;

constexpr Color kPaper = Rgb(255, 255, 255);
constexpr Color kInk = Rgb(0, 0, 0);

// A canvas with a 20-pixel Arial, black on white, and the text being written.
class LayoutTextTest : public ::testing::Test {
 protected:
  LayoutTextTest() : raster_(600, 400, kPaper), canvas_(raster_) {
    canvas_.SelectFont(Font("Arial", 20));
    canvas_.SetTextColor(kInk);
    canvas_.SetBkColor(kPaper);
    canvas_.SetBkMode(BkMode::kTransparent);
  }

  int Width(const char* text) const { return canvas_.GetTextExtent(text).width; }
  int H() const { return canvas_.font().height(); }

  // Writes one page of text_ from the cursor into rect.
  int Write(const Rect& rect, int alignment = TEXT_LEFT) { return LayoutText(canvas_, &cursor_, rect, alignment); }
  void SetText(const std::string& text) {
    text_ = text;
    cursor_ = text_.data();
  }
  size_t Offset() const { return static_cast<size_t>(cursor_ - text_.data()); }

  // Whether each band of line height below `top` holds ink.
  std::vector<bool> InkedBands(int top, int bands) const {
    std::vector<bool> inked;
    for (int i = 0; i < bands; ++i) {
      const Rect band{0, top + i * H(), raster_.width(), top + (i + 1) * H()};
      inked.push_back(ExtentOf(raster_, kInk, band).left != INT_MAX);
    }
    return inked;
  }
  // The ink of a line's middle third: what its own letters show, not the descenders of the line
  // above or the ascenders of the one below.
  Rect InkOfBand(int top, int band) const {
    const int y = top + band * H();
    Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int row = y + H() / 3; row < y + 2 * H() / 3; ++row) {
      for (int x = 0; x < raster_.width(); ++x) {
        if (raster_.GetPixel(x, row) == kPaper) continue;
        box = Rect{std::min(box.left, x), std::min(box.top, row), std::max(box.right, x + 1),
                   std::max(box.bottom, row + 1)};
      }
    }
    return box;
  }

  Raster raster_;
  Canvas canvas_;
  std::string text_;
  char* cursor_ = nullptr;
};

TEST_F(LayoutTextTest, TwoWordsAndALineBreakGiveALineAndAnEmptyOne) {
  for (const char* text : {"one two\r", "one two\n"}) {
    SetText(text);
    EXPECT_EQ(Write(Rect{10, 10, 590, 390}), 2) << text;
    EXPECT_EQ(Offset(), text_.size()) << "the cursor ends on the NUL";
    EXPECT_EQ(text_, "one two\r") << "a line feed it meets becomes a carriage return";
    EXPECT_EQ(InkedBands(10, 2), (std::vector<bool>{true, false}));
  }
}

TEST_F(LayoutTextTest, ARecordWrittenWithCrLfShowsABlankLineAfterEachLine) {
  SettingsRecord settings;
  settings.SetRegistryValue(Comment, 1);
  LoadedRecord record(SgfText("(;SZ[9]C[one\r\ntwo\r\nthree])"), settings);
  ASSERT_NE(record.State().commentCursor, nullptr);
  char* cursor = record.State().commentCursor;
  EXPECT_EQ(LayoutText(canvas_, &cursor, Rect{10, 10, 590, 390}, TEXT_LEFT), 3);
  EXPECT_EQ(*cursor, '\0');
  EXPECT_EQ(InkedBands(10, 5), (std::vector<bool>{true, false, true, false, true}));
}

TEST_F(LayoutTextTest, BlankLinesComeOnlyFromCarriageReturnsAfterALine) {
  struct Case { const char* text; std::vector<bool> bands; };
  for (const Case& c : {Case{"a\rb", {true, true, false}}, Case{"a\r\rb", {true, false, true, false}},
                        Case{"a\r\r\rb", {true, false, false, true}}, Case{"a\r\nb", {true, true, false}},
                        Case{"a \rb", {true, true, false}}}) {
    raster_ = Raster(600, 400, kPaper);
    SetText(c.text);
    EXPECT_EQ(Write(Rect{10, 10, 590, 390}), 2);
    EXPECT_EQ(InkedBands(10, static_cast<int>(c.bands.size())), c.bands)
        << ::testing::PrintToString(std::string(c.text));
  }
}

TEST_F(LayoutTextTest, AShortWordThenALongLastWordTakeALineEach) {
  // "ab" fits alone; "ab" with the long word, less its last character, does not.
  SetText("ab wxyzwxyzwxyz");
  const int right = 10 + Width("ab") + 5;
  EXPECT_EQ(Write(Rect{10, 10, right, 390}), 2);
  EXPECT_LT(InkOfBand(10, 0).right, right);
  EXPECT_GT(InkOfBand(10, 1).right, right) << "the long word stands alone and overflows";
  EXPECT_EQ(*cursor_, '\0');
}

TEST_F(LayoutTextTest, AnOverlongWordStandsAloneAtTheLeftEvenWhenJustified) {
  SetText("wxyzwxyzwxyz ab cd ef");
  const int right = 10 + Width("ab cd") + 2;
  EXPECT_EQ(Write(Rect{10, 10, right, 390}, TEXT_JUSTIFY), 3);
  const Rect word = InkOfBand(10, 0);
  EXPECT_LE(word.left, 12);
  EXPECT_GE(word.right, 10 + Width("wxyzwxyzwxy"));
}

TEST_F(LayoutTextTest, JustifiedLinesEndAtTheRightEdgeButTheLastLineDoesNot) {
  const char* text = "aa bb cc dd ee ff gg hh ii jj kk ll mm nn oo pp q";
  const Rect rect{10, 10, 10 + 2 * Width("aa bb"), 390};
  std::vector<Rect> ink[3];
  int lines = 0;
  for (const int alignment : {TEXT_LEFT, TEXT_RIGHT, TEXT_JUSTIFY}) {
    raster_ = Raster(600, 400, kPaper);
    SetText(text);
    lines = Write(rect, alignment);
    for (int i = 0; i < lines; ++i) ink[alignment == TEXT_JUSTIFY ? 2 : alignment].push_back(InkOfBand(10, i));
  }
  ASSERT_GE(lines, 3);
  for (int i = 0; i < lines; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ink[2][i].left, ink[0][i].left);
    if (i + 1 < lines) {
      EXPECT_EQ(ink[2][i].right, ink[1][i].right);
    } else {
      EXPECT_EQ(ink[2][i].right, ink[0][i].right);
      EXPECT_LT(ink[2][i].right, ink[1][i].right);
    }
  }
}

TEST_F(LayoutTextTest, ThreePagesGiveThreeWaitsAndTheRightStates) {
  // Two lines to a page, one word to a line; the waits and states of these pages are timed in
  // tests/show/page_timing_test.cpp.
  SetText("one two three four five six");
  const Rect rect{10, 10, 11, 10 + 2 * H() + 1};
  const size_t offsets[] = {8, 19, 27};
  const bool textRemains[] = {true, true, false};
  for (int page = 0; page < 3; ++page) {
    SCOPED_TRACE(page);
    const int lines = Write(rect);
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(Offset(), offsets[page]);
    EXPECT_EQ(*cursor_ != '\0', textRemains[page]);
  }
  EXPECT_EQ(Write(rect), 0) << "nothing is left";
}

TEST_F(LayoutTextTest, NoTextWritesNothing) {
  char* none = nullptr;
  EXPECT_EQ(LayoutText(canvas_, &none, Rect{0, 0, 100, 100}, TEXT_LEFT), 0);
  SetText("");
  EXPECT_EQ(Write(Rect{0, 0, 100, 100}), 0);
  EXPECT_EQ(CountOf(raster_, kInk), 0);
}

TEST_F(LayoutTextTest, ALowRectangleStillGetsOneLinePerPage) {
  SetText("one two");
  EXPECT_EQ(Write(Rect{10, 10, 11, 12}), 1);
  EXPECT_EQ(Write(Rect{10, 10, 11, 12}), 1);
  EXPECT_EQ(*cursor_, '\0');
}

TEST_F(LayoutTextTest, TheMeasuredHeightCountsLinesAndBlankLines) {
  EXPECT_EQ(LayoutTextHeight(canvas_, "one two\r", 500), 2 * H());
  EXPECT_EQ(LayoutTextHeight(canvas_, "one\r\rtwo", 500), 3 * H());
  EXPECT_EQ(LayoutTextHeight(canvas_, "one two three", 1), 3 * H());
  EXPECT_EQ(LayoutTextHeight(canvas_, "", 500), 0);
  const std::string withFeed = "one\ntwo";
  EXPECT_EQ(LayoutTextHeight(canvas_, withFeed.c_str(), 500), 2 * H());
  EXPECT_EQ(withFeed, "one\ntwo") << "measuring leaves the text alone";
  // With a limit it stops at the first line that reaches it.
  EXPECT_EQ(LayoutTextHeight(canvas_, "a b c d e f", 1, 2 * H() + 1), 3 * H());
  EXPECT_EQ(LayoutTextHeight(canvas_, "a b c d e f", 1, 3 * H()), 3 * H());
  EXPECT_EQ(LayoutTextHeight(canvas_, "a b", 1, 3 * H()), 2 * H());
}

struct WideCase {
  const char* charset;  // the record's CA value
  std::string text;
  size_t characterLength;
};

// Text without spaces in the scripts that use none still wraps, and only between characters.
TEST_F(LayoutTextTest, TextWithoutSpacesBreaksBetweenWideCharacters) {
  std::string han;       // "碁" in UTF-8
  std::string hyo;       // "表" in Shift_JIS: its second byte is a backslash
  std::string hangul;    // "바" in EUC-KR
  for (int i = 0; i < 40; ++i) {
    han += "\xE7\xA2\x81";
    hyo += "\x95\x5C";
    hangul += "\xB9\xD9";
  }
  const WideCase cases[] = {{"UTF-8", han, 3}, {"Shift_JIS", hyo, 2}, {"EUC-KR", hangul, 2}};
  for (const WideCase& c : cases) {
    canvas_.SetTextEncoding(TextEncoding::ForCharset(c.charset));
    SetText(c.text);
    const int width = 200;
    std::vector<size_t> starts;
    while (*cursor_ != '\0') {
      starts.push_back(Offset());
      ASSERT_EQ(Write(Rect{10, 10, 10 + width, 10 + H()}), 1) << c.charset;
      const size_t end = *cursor_ == '\0' ? text_.size() : Offset();
      const std::string line = text_.substr(starts.back(), end - starts.back());
      EXPECT_LE(canvas_.GetTextExtent(line).width, width) << c.charset << ": no character overhangs";
      ASSERT_LE(starts.size(), 40u) << c.charset;
    }
    EXPECT_GT(starts.size(), 2u) << c.charset << ": the paragraph wraps";
    for (const size_t start : starts) EXPECT_EQ(start % c.characterLength, 0u) << c.charset << " at " << start;
  }
}

// Closing marks end the line they follow, opening ones start the line they lead.
TEST_F(LayoutTextTest, WideMarksStayWithTheirWords) {
  const std::string ideograph = "\xE7\xA2\x81";  // 碁
  const std::string fullStop = "\xE3\x80\x82";   // 。
  const std::string opening = "\xE3\x80\x8C";    // 「
  const int width = Width((ideograph + ideograph + ideograph).c_str()) + 1;
  struct Case {
    std::string text;
    std::string secondLine;
  } cases[] = {
      {ideograph + ideograph + ideograph + fullStop + ideograph, ideograph + fullStop + ideograph},
      {ideograph + ideograph + opening + ideograph + ideograph, opening + ideograph + ideograph},
      {ideograph + ideograph + ideograph + ideograph, ideograph},
  };
  for (const Case& c : cases) {
    SetText(c.text);
    ASSERT_EQ(Write(Rect{10, 10, 10 + width, 10 + H()}), 1);
    EXPECT_EQ(std::string(cursor_), c.secondLine);
  }
}

}  // namespace
}  // namespace tenukiro

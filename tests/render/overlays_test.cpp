#include <gtest/gtest.h>

#include <cstring>

#include "board_scene.h"
#include "pixel_map.h"
#include "render/cell_text.h"
#include "render/overlays.h"

namespace tenukiro {
namespace {

using testing::BoardScene;
using testing::Expected;
using testing::PixelMap;

constexpr Color kInk = testing::kBlack;

std::string Mark(int R, uint16_t marks) {
  Raster r(7, 7, testing::kWhite);
  Canvas canvas(r);
  DrawRecordMark(canvas, Point{3, 3}, R, marks, kInk);
  return PixelMap(r);
}

TEST(Overlays, MarkShapes) {
  Raster plus(7, 7, testing::kWhite);
  Canvas canvas(plus);
  DrawLastMoveMark(canvas, Point{3, 3}, 5, kInk);
  EXPECT_EQ(PixelMap(plus), Expected(R"(
      .......
      ...#...
      ...#...
      .#####.
      ...#...
      ...#...
      .......
  )"));
  EXPECT_EQ(Mark(5, kMarkMA), Expected(R"(
      .......
      .#...#.
      ..#.#..
      ...#...
      ..#.#..
      .#...#.
      .......
  )"));
  EXPECT_EQ(Mark(5, kMarkSQ), Expected(R"(
      .......
      .#####.
      .#...#.
      .#...#.
      .#...#.
      .#####.
      .......
  )"));
  EXPECT_EQ(Mark(2, kMarkTR), Expected(R"(
      .......
      .......
      .......
      ...#...
      .......
      .......
      .......
  )"));
  // Several marks at once draw nothing.
  EXPECT_EQ(Mark(5, kMarkMA | kMarkTR), Mark(5, 0));
  EXPECT_EQ(Mark(5, kMarkSQ | kMarkCR), PixelMap(Raster(7, 7, testing::kWhite)));
}

TEST(Overlays, TriangleAndCircleOutlines) {
  Raster r(21, 21, testing::kWhite);
  Canvas canvas(r);
  DrawRecordMark(canvas, Point{10, 10}, 9, kMarkTR, kInk);  // r = 8: apex 6 up, base 3 down, 6 aside
  EXPECT_EQ(r.GetPixel(10, 4), kInk);
  EXPECT_EQ(r.GetPixel(15, 13), kInk);
  EXPECT_EQ(r.GetPixel(5, 13), kInk);
  EXPECT_EQ(r.GetPixel(10, 13), kInk);
  EXPECT_EQ(r.GetPixel(10, 10), testing::kWhite);
  Raster c(21, 21, testing::kWhite);
  Canvas circle(c);
  DrawRecordMark(circle, Point{10, 10}, 9, kMarkCR, kInk);  // h = 4
  for (const Point p : {Point{10, 6}, Point{10, 14}, Point{6, 10}, Point{14, 10}}) EXPECT_EQ(c.GetPixel(p.x, p.y), kInk);
  EXPECT_EQ(c.GetPixel(10, 10), testing::kWhite);
  EXPECT_EQ(c.GetPixel(6, 6), testing::kWhite);
}

PointDisplay Point_(const char* label, uint16_t marks, bool numbered) {
  PointDisplay p;
  p.flags = static_cast<uint16_t>(kPointBlack | marks);
  p.label.length = static_cast<uint8_t>(std::strlen(label));
  std::memcpy(p.label.text, label, p.label.length);
  p.numbered = numbered;
  p.number = 42;
  return p;
}

TEST(Overlays, OneOverlayPerStoneInOrderOfPrecedence) {
  enum Drawn { kPlus, kLabel, kMark, kNumber, kNothing };
  struct Case { OverlaySwitches on; const char* label; uint16_t marks; bool numbered; Drawn drawn; };
  const Case cases[] = {
      {{true, true, true}, "A", kMarkMA, true, kPlus},
      {{false, true, true}, "A", kMarkMA, true, kLabel},
      {{false, true, true}, "", kMarkSQ, true, kMark},
      {{false, true, true}, "", kMarkSQ | kMarkTR, true, kNothing},
      {{false, true, true}, "", 0, true, kNumber},
      {{false, false, true}, "A", kMarkSQ, true, kNumber},
      {{false, true, false}, "", 0, true, kNothing},
      {{false, true, true}, "", 0, false, kNothing},
  };
  for (const Case& c : cases) {
    for (int R : {5, 9}) {
      Raster got(2 * R, 2 * R, testing::kWhite), want(2 * R, 2 * R, testing::kWhite);
      Canvas g(got), w(want);
      const Point centre{R, R};
      DrawStoneOverlay(g, centre, R, Point_(c.label, c.marks, c.numbered), c.on, kInk);
      switch (c.drawn) {
        case kPlus: DrawLastMoveMark(w, centre, R, kInk); break;
        case kLabel: DrawCellText(w, centre, R, "A", kInk); break;
        case kMark: DrawRecordMark(w, centre, R, c.marks, kInk); break;
        case kNumber: DrawCellText(w, centre, R, "42", kInk); break;
        case kNothing: break;
      }
      EXPECT_EQ(PixelMap(got), PixelMap(want)) << "case " << (&c - cases) << " R " << R;
    }
  }
}

TEST(Overlays, LastMoveMarkWinsOverALabelAndSetupSuppressesIt) {
  const char* game = "(;SZ[9];B[ee]LB[ee:A])";
  BoardScene both(game, {{MarkOnLastMove, 1}, {MarksAndLabels, 1}});
  both.PlayToEnd();
  both.DrawFull();
  BoardScene markOnly("(;SZ[9];B[ee])", {{MarkOnLastMove, 1}});
  markOnly.PlayToEnd();
  markOnly.DrawFull();
  BoardScene labelOnly(game, {{MarksAndLabels, 1}});
  labelOnly.PlayToEnd();
  labelOnly.DrawFull();
  EXPECT_EQ(both.raster.GetPixel(both.Centre(5, 5).x + 2, both.Centre(5, 5).y), testing::kWhiteStone);
  EXPECT_TRUE(std::equal(both.raster.data(), both.raster.data() + both.raster.stride() * both.raster.height(),
                         markOnly.raster.data()));
  EXPECT_FALSE(std::equal(both.raster.data(), both.raster.data() + both.raster.stride() * both.raster.height(),
                          labelOnly.raster.data()));

  BoardScene setup("(;SZ[9];B[ee];AB[cc])", {{MarkOnLastMove, 1}});
  setup.PlayToEnd();
  setup.DrawFull();
  for (const Point p : {Point{5, 5}, Point{3, 3}}) EXPECT_EQ(setup.PixelAtCentre(p.x, p.y, 2, 0), testing::kBlackStone);
}

TEST(Overlays, MoveNumbersStartAtSWithF) {
  struct Case { const char* sgf; int asInBooks; Point at; uint16_t stone; bool numbered; int number; };
  for (const Case& c : {
           Case{"(;SZ[9];B[aa];W[bb]MN[5];B[cc])", 0, {1, 1}, kPointBlack, false, 0},
           Case{"(;SZ[9];B[aa];W[bb]MN[5];B[cc])", 0, {2, 2}, kPointWhite, true, 5},
           Case{"(;SZ[9];B[aa];W[bb]MN[5];B[cc])", 0, {3, 3}, kPointBlack, true, 6},
           Case{"(;SZ[9];B[aa];W[bb]MN[0];B[cc])", 0, {1, 1}, kPointBlack, false, 0},
           Case{"(;SZ[9];B[aa];W[bb]MN[0];B[cc])", 0, {2, 2}, kPointWhite, true, 0},
           Case{"(;SZ[9];B[aa];W[bb]MN[32767];B[cc])", 0, {3, 3}, kPointBlack, true, 32768},
           Case{"(;SZ[9];B[ab];W[aa];B[ba];W[ee];B[aa])", 0, {1, 1}, kPointBlack, true, 5},
           Case{"(;SZ[9];B[ab];W[aa];B[ba];W[ee];B[aa])", 1, {1, 1}, kPointWhite, true, 2},
           Case{"(;SZ[9]AB[dd];B[aa])", 0, {4, 4}, kPointBlack, false, 0},
           Case{"(;SZ[9]AB[dd];B[aa])", 0, {1, 1}, kPointBlack, true, 1},
       }) {
    BoardScene scene(c.sgf, {{Numbering, 1}, {AsInBooks, c.asInBooks}});
    scene.PlayToEnd();
    const PointDisplay& p = scene.renderer.Display().At(c.at.x, c.at.y);
    EXPECT_EQ(p.flags & (kStoneBits | kPointEmpty), c.stone) << c.sgf << " " << c.at.x << "," << c.at.y;
    EXPECT_EQ(p.numbered, c.numbered) << c.sgf << " " << c.at.x << "," << c.at.y;
    EXPECT_EQ(p.number, c.number) << c.sgf << " " << c.at.x << "," << c.at.y;
  }
  BoardScene off("(;SZ[9];B[aa])", {{Numbering, 0}});
  off.PlayToEnd();
  EXPECT_FALSE(off.renderer.Display().At(1, 1).numbered);
}

}  // namespace
}  // namespace tenukiro

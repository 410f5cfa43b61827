#include <gtest/gtest.h>

#include "board_scene.h"
#include "pixel_map.h"
#include "render/cell_text.h"
#include "render/star_points.h"

namespace tenukiro {
namespace {

using testing::BoardScene;
using testing::CellMap;
using testing::Expected;
using testing::kBoard;
using testing::kLine;
using testing::kScreen;

TEST(BoardDrawing, CellsTileTheViewWithoutGapsOrOverlap) {
  BoardScene scene("(;SZ[19])", {{Lines, 0}, {StarPoints, 0}});
  scene.DrawFull();
  const int R = scene.R();
  const Rect board{scene.Centre(1, 1).x - R, scene.Centre(1, 1).y - R, scene.Centre(19, 19).x + R,
                   scene.Centre(19, 19).y + R};
  for (int y = 0; y < scene.raster.height(); ++y) {
    for (int x = 0; x < scene.raster.width(); ++x) {
      ASSERT_EQ(scene.Pixel(x, y), board.Contains(x, y) ? kBoard : kScreen) << x << "," << y;
    }
  }
}

TEST(BoardDrawing, SmallestBoardHasHalfLinesAndTheLastCentrePixel) {
  BoardScene scene("(;SZ[2])", {}, 3);
  scene.DrawFull();
  EXPECT_EQ(CellMap(scene.raster, Rect{6, 6, 18, 18}), Expected(R"(
      ............
      ............
      ............
      ...#######..
      ...#.....#..
      ...#.....#..
      ...#.....#..
      ...#.....#..
      ...#.....#..
      ...#######..
      ............
      ............
  )"));
}

TEST(BoardDrawing, GridLinesJoinThroughTheSeamPixels) {
  BoardScene scene("(;SZ[9])", {{StarPoints, 0}});
  scene.DrawFull();
  const Point first = scene.Centre(1, 1);
  const Point last = scene.Centre(9, 9);
  for (int line = 1; line <= 9; ++line) {
    const Point row = scene.Centre(1, line);
    const Point column = scene.Centre(line, 1);
    for (int x = first.x; x <= last.x; ++x) ASSERT_EQ(scene.Pixel(x, row.y), kLine) << x << " row " << line;
    for (int y = first.y; y <= last.y; ++y) ASSERT_EQ(scene.Pixel(column.x, y), kLine) << y << " column " << line;
    // The lines stop at the edge points.
    EXPECT_EQ(scene.Pixel(first.x - 1, row.y), kBoard);
    EXPECT_EQ(scene.Pixel(last.x + 1, row.y), kBoard);
    EXPECT_EQ(scene.Pixel(column.x, first.y - 1), kBoard);
    EXPECT_EQ(scene.Pixel(column.x, last.y + 1), kBoard);
  }
}

TEST(BoardDrawing, StarPointsForEveryBoardSize) {
  struct Case { int size, stars; };
  for (const Case& c : {Case{19, 9}, Case{17, 5}, Case{15, 5}, Case{13, 5}, Case{11, 1}, Case{9, 1}, Case{7, 1},
                        Case{14, 4}, Case{16, 4}, Case{12, 0}, Case{5, 0}, Case{2, 0}}) {
    BoardScene scene("(;SZ[" + std::to_string(c.size) + "])", {{Lines, 0}});
    scene.DrawFull();
    int drawn = 0;
    for (int x = 1; x <= c.size; ++x) {
      for (int y = 1; y <= c.size; ++y) {
        // Off both lines, inside the disc of radius t = 2.
        const bool star = scene.PixelAtCentre(x, y, 1, 1) == kLine;
        EXPECT_EQ(star, IsStarPoint(x, y, c.size, c.size)) << c.size << ": " << x << "," << y;
        drawn += star;
      }
    }
    EXPECT_EQ(drawn, c.stars) << c.size;
  }
}

TEST(BoardDrawing, StarPointDiscAndItsSwitch) {
  BoardScene scene("(;SZ[9])", {{Lines, 0}}, 8);
  scene.DrawFull();
  const Point c = scene.Centre(5, 5);
  // t = 2: the disc's box is (cx - 2, cy - 2) to (cx + 3, cy + 3).
  EXPECT_EQ(CellMap(scene.raster, Rect{c.x - 3, c.y - 3, c.x + 4, c.y + 4}), Expected(R"(
      .......
      ..###..
      .#####.
      .#####.
      .#####.
      ..###..
      .......
  )"));
  BoardScene off("(;SZ[9])", {{Lines, 0}, {StarPoints, 0}}, 8);
  off.DrawFull();
  EXPECT_EQ(off.PixelAtCentre(5, 5), kBoard);
}

// The pixels DrawCellText leaves on a board-coloured cell of radius R.
Raster CellTextAlone(int R, std::string_view text) {
  Raster cell(2 * R, 2 * R, kBoard);
  Canvas canvas(cell);
  DrawCellText(canvas, Point{R, R}, R, text, kLine);
  return cell;
}

Raster CellOf(const BoardScene& scene, int x, int y) {
  const int R = scene.R();
  Raster cell(2 * R, 2 * R);
  Canvas canvas(cell);
  const Point c = scene.Centre(x, y);
  canvas.BitBlt(Point{}, Size{2 * R, 2 * R}, scene.raster, Point{c.x - R, c.y - R});
  return cell;
}

bool SamePixels(const Raster& a, const Raster& b) {
  return a.width() == b.width() && a.height() == b.height() &&
         std::equal(a.data(), a.data() + a.stride() * a.height(), b.data());
}

TEST(BoardDrawing, CoordinatesSkipIAndCountRowsFromTheBottom) {
  BoardScene scene("(;SZ[19])", {{Indices, 1}}, 9);
  scene.DrawFull();
  struct Case { int x, y; const char* text; };
  for (const Case& c : {Case{1, 0, "A"}, Case{8, 0, "H"}, Case{9, 0, "J"}, Case{19, 20, "T"}, Case{0, 1, "19"},
                        Case{20, 19, "1"}, Case{0, 10, "10"}, Case{0, 0, ""}, Case{20, 20, ""}}) {
    EXPECT_TRUE(SamePixels(CellOf(scene, c.x, c.y), CellTextAlone(9, c.text))) << c.x << "," << c.y << " " << c.text;
  }
  EXPECT_FALSE(SamePixels(CellTextAlone(9, "I"), CellTextAlone(9, "J")));
}

TEST(BoardDrawing, CellTextIsATickUpToRSixAndTextFromSeven) {
  // r = 5, h = 2: a tick from cy - 2 to cy + 3, end left out.
  const Raster tick = CellTextAlone(6, "12");
  EXPECT_EQ(CellMap(tick, Rect{4, 2, 9, 11}), Expected(R"(
      .....
      .....
      ..#..
      ..#..
      ..#..
      ..#..
      ..#..
      .....
      .....
  )"));
  for (int R : {7, 11}) {
    const Raster text = CellTextAlone(R, "12");
    int inked = 0, offCentre = 0;
    for (int y = 0; y < text.height(); ++y) {
      for (int x = 0; x < text.width(); ++x) {
        if (text.GetPixel(x, y) == kBoard) continue;
        ++inked;
        offCentre += x != R;
      }
    }
    EXPECT_GT(offCentre, 4) << R;
    // The ink stays inside the square of 2R - 1 around the centre.
    for (int i = 0; i < text.width(); ++i) {
      EXPECT_EQ(text.GetPixel(i, 0), kBoard);
      EXPECT_EQ(text.GetPixel(0, i), kBoard);
    }
  }
  // From R = 11 the narrow face is used.
  Raster narrow(22, 22, kBoard);
  Canvas canvas(narrow);
  canvas.SelectFont(Font("Arial Narrow", 15));
  canvas.SetBkMode(BkMode::kTransparent);
  canvas.SetTextColor(kLine);
  canvas.SetTextAlign(TextAlign::kCenterTop);
  canvas.TextOutClipped(11, 11 - 7, Rect{1, 1, 22, 22}, "12");
  EXPECT_TRUE(SamePixels(narrow, CellTextAlone(11, "12")));
}

TEST(BoardDrawing, TicksStandForCoordinatesAtSmallRadii) {
  BoardScene scene("(;SZ[9])", {{Indices, 1}}, 6);
  scene.DrawFull();
  EXPECT_TRUE(SamePixels(CellOf(scene, 3, 0), CellTextAlone(6, "x")));
  EXPECT_EQ(scene.PixelAtCentre(3, 0, 0, -2), kLine);
  EXPECT_EQ(scene.PixelAtCentre(3, 0, 0, 3), kBoard);
}

// A later node hides all but the 3 x 3 corner; the view rectangle stays the whole board.
constexpr const char* kPartlyHidden = "(;SZ[9]VW[aa:ii];B[bb]VW[aa:cc])";

TEST(BoardDrawing, HiddenPointsMakeOneSolidArea) {
  BoardScene scene(kPartlyHidden);
  scene.PlayToEnd();
  scene.DrawFull();
  const int R = scene.R();
  // Columns 4..9 and rows 4..9 are hidden: from the seam left of column 4 (rows 4..9) and from the
  // seam left of column 5 (all rows) to beyond the board's edge everything is screen.
  for (int y = scene.Centre(1, 1).y - R; y <= scene.Centre(9, 9).y + R; ++y) {
    for (int x = scene.Centre(5, 1).x - R; x <= scene.Centre(9, 9).x + R; ++x) {
      ASSERT_EQ(scene.Pixel(x, y), kScreen) << x << "," << y;
    }
  }
  for (int y = scene.Centre(1, 5).y - R; y <= scene.Centre(9, 9).y + R; ++y) {
    for (int x = scene.Centre(1, 1).x - R; x <= scene.Centre(9, 9).x + R; ++x) {
      ASSERT_EQ(scene.Pixel(x, y), kScreen) << x << "," << y;
    }
  }
  // The seam toward a visible point keeps what that point drew: its line reaches one pixel over.
  const Point c3 = scene.Centre(3, 2);
  EXPECT_EQ(scene.Pixel(c3.x + R, c3.y), kLine);
  EXPECT_EQ(scene.Pixel(c3.x + R + 1, c3.y), kScreen);
}

// Redraws one point over a red cell and its ring, so that what the point leaves alone shows.
Raster RedrawnOverRed(const BoardScene& scene, int x, int y, bool frame = false) {
  Raster raster = scene.raster;
  Canvas canvas(raster);
  canvas.FillRect(Inflate(scene.renderer.Layout().CellImageRect(x, y), 1), testing::kRed);
  if (frame) {
    scene.renderer.DrawFrameCell(canvas, x, y);
  } else {
    scene.renderer.DrawPoint(canvas, x, y);
  }
  return raster;
}

TEST(BoardDrawing, HiddenSeamsTowardVisiblePointsAreLeftAlone) {
  BoardScene scene(kPartlyHidden);
  scene.PlayToEnd();
  scene.DrawFull();
  const int R = scene.R();
  // (4, 3): visible on the left, hidden to the right and below, visible (3, 2) diagonally.
  const Raster a = RedrawnOverRed(scene, 4, 3);
  const Point c = scene.Centre(4, 3);
  EXPECT_EQ(a.GetPixel(c.x, c.y), kScreen);
  EXPECT_EQ(a.GetPixel(c.x - R, c.y), testing::kRed);
  EXPECT_EQ(a.GetPixel(c.x + R, c.y), kScreen);
  EXPECT_EQ(a.GetPixel(c.x, c.y - R), kScreen);
  EXPECT_EQ(a.GetPixel(c.x, c.y + R), kScreen);
  EXPECT_EQ(a.GetPixel(c.x - R, c.y - R), testing::kRed);
  EXPECT_EQ(a.GetPixel(c.x - R, c.y + R), testing::kRed);
  EXPECT_EQ(a.GetPixel(c.x + R, c.y - R), kScreen);
  EXPECT_EQ(a.GetPixel(c.x + R, c.y + R), kScreen);
  // (9, 9): hidden all round and at the board's edge: every seam and corner is filled.
  const Raster b = RedrawnOverRed(scene, 9, 9);
  const Point e = scene.Centre(9, 9);
  for (int dy = -R; dy <= R; ++dy) {
    for (int dx = -R; dx <= R; ++dx) ASSERT_EQ(b.GetPixel(e.x + dx, e.y + dy), kScreen) << dx << "," << dy;
  }
  // (4, 4): its top-left corner meets the visible (3, 3).
  const Raster d = RedrawnOverRed(scene, 4, 4);
  const Point f = scene.Centre(4, 4);
  EXPECT_EQ(d.GetPixel(f.x - R, f.y - R), testing::kRed);
  EXPECT_EQ(d.GetPixel(f.x - R, f.y), kScreen);
  EXPECT_EQ(d.GetPixel(f.x, f.y - R), kScreen);
}

TEST(BoardDrawing, FrameCellsKeepTheSeamsTowardTheView) {
  BoardScene scene("(;SZ[9]VW[cc:ee])", {}, 4);
  scene.DrawFull();
  const int R = scene.R();
  // (2, 3) left of the view: only the right seam and the corners touching (3, 3) or (3, 4) stay.
  const Raster a = RedrawnOverRed(scene, 2, 3, true);
  const Point c = scene.Centre(2, 3);
  EXPECT_EQ(a.GetPixel(c.x, c.y), kScreen);
  EXPECT_EQ(a.GetPixel(c.x - R, c.y), kScreen);
  EXPECT_EQ(a.GetPixel(c.x, c.y - R), kScreen);
  EXPECT_EQ(a.GetPixel(c.x + R, c.y), testing::kRed);
  EXPECT_EQ(a.GetPixel(c.x + R, c.y - R), testing::kRed);
  EXPECT_EQ(a.GetPixel(c.x + R, c.y + R), testing::kRed);
  EXPECT_EQ(a.GetPixel(c.x - R, c.y - R), kScreen);
  // (2, 2) diagonal to the view: only the corner shared with (3, 3) stays.
  const Raster b = RedrawnOverRed(scene, 2, 2, true);
  const Point d = scene.Centre(2, 2);
  EXPECT_EQ(b.GetPixel(d.x + R, d.y + R), testing::kRed);
  EXPECT_EQ(b.GetPixel(d.x + R, d.y), kScreen);
  EXPECT_EQ(b.GetPixel(d.x, d.y + R), kScreen);
}

TEST(BoardDrawing, MarksHideLinesAndStarPointsAndTheSeamsTowardThem) {
  BoardScene scene("(;SZ[9]MA[ee]TR[cc]SQ[cc])", {{MarksAndLabels, 1}});
  scene.DrawFull();
  const int R = scene.R();
  const int h = (R - 1) / 2;
  // The cross of the centre point: diagonals drawn, no line or star disc beside them.
  EXPECT_EQ(scene.PixelAtCentre(5, 5), kLine);
  EXPECT_EQ(scene.PixelAtCentre(5, 5, -h, -h), kLine);
  EXPECT_EQ(scene.PixelAtCentre(5, 5, h, -h), kLine);
  EXPECT_EQ(scene.PixelAtCentre(5, 5, 1, 0), kBoard);
  EXPECT_EQ(scene.PixelAtCentre(5, 5, R - 1, 0), kBoard);
  EXPECT_EQ(scene.PixelAtCentre(5, 5, 0, R - 1), kBoard);
  // Neighbours do not join their lines to a marked point.
  EXPECT_EQ(scene.PixelAtCentre(5, 5, -R, 0), kBoard);
  EXPECT_EQ(scene.PixelAtCentre(4, 5, R, 0), kBoard);
  EXPECT_EQ(scene.PixelAtCentre(4, 5, R - 1, 0), kLine);
  // Two marks on one point draw nothing at all: a plain cell.
  const Point c = scene.Centre(3, 3);
  for (int y = c.y - R; y < c.y + R; ++y) {
    for (int x = c.x - R; x < c.x + R; ++x) ASSERT_EQ(scene.Pixel(x, y), kBoard) << x << "," << y;
  }
  // Without MarksAndLabels the marks are not drawn and the grid is whole.
  BoardScene plain("(;SZ[9]MA[ee]TR[cc]SQ[cc])");
  plain.DrawFull();
  EXPECT_EQ(plain.PixelAtCentre(3, 3), kLine);
  EXPECT_EQ(plain.PixelAtCentre(5, 5, 1, 1), kLine);
}

// Sizes out of range are brought into it, and whatever the size and radius the whole
// board is drawn: every cell in board colours, every point on the grid.
TEST(BoardDrawing, AnyBoardSizeAndRadiusDrawsTheWholeBoard) {
  const struct {
    const char* sgf;
    int columns;
    int rows;
  } cases[] = {{"(;SZ[1])", 2, 2}, {"(;SZ[19:2])", 19, 2}, {"(;SZ[30])", 19, 19}, {"(;SZ[2:19]VW[])", 2, 19},
               {"(;SZ[0])", 2, 2}};
  for (const auto& c : cases) {
    for (int R : {2, 3, 40}) {
      SCOPED_TRACE(std::string(c.sgf) + " R " + std::to_string(R));
      BoardScene scene(c.sgf, {{Indices, 1}, {MarksAndLabels, 1}, {Numbering, 1}}, R);
      scene.PlayToEnd();
      scene.DrawFull();
      ASSERT_EQ(scene.record->GetBoard().ColumnsPlus1(), c.columns + 1);
      ASSERT_EQ(scene.record->GetBoard().RowsPlus1(), c.rows + 1);
      const Point first = scene.Centre(1, 1), last = scene.Centre(c.columns, c.rows);
      const Rect board = Intersect(Rect{first.x - R, first.y - R, last.x + R, last.y + R}, scene.raster.Bounds());
      for (int y = board.top; y < board.bottom; ++y) {
        for (int x = board.left; x < board.right; ++x) ASSERT_NE(scene.Pixel(x, y), kScreen) << x << "," << y;
      }
      for (int column = 1; column <= c.columns; ++column) {
        for (int row = 1; row <= c.rows; ++row) {
          if (board.Contains(scene.Centre(column, row).x, scene.Centre(column, row).y)) {
            ASSERT_EQ(scene.PixelAtCentre(column, row), kLine) << column << "," << row;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace tenukiro

#include <gtest/gtest.h>

#include "board_scene.h"
#include "support/record_generator.h"
#include "support/record_set_test.h"

namespace tenukiro {
namespace {

using testing::BoardScene;
using testing::RecordSet;

// A long game with captures: a generated one with variations, and a real one from the corpus.
std::string LongGame(RecordSet set) {
  if (set == RecordSet::kOwn) return testing::RandomGameRecord(1900, {19, 19});
  return testing::ReadBytes(testing::CorpusDir() / "real/katrain/LS_vs_AG_-_G4_-_English.sgf");
}

// Empty when the pictures agree, else where they first differ.
std::string Difference(const Raster& a, const Raster& b) {
  if (a.width() != b.width() || a.height() != b.height()) return "sizes differ";
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) {
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " + std::to_string(a.GetPixel(x, y)) +
               ", a full frame draws " + std::to_string(b.GetPixel(x, y));
      }
    }
  }
  return "";
}

std::vector<Rect> CellsOf(const BoardScene& scene, std::initializer_list<Point> points) {
  std::vector<Rect> cells;
  for (const Point p : points) cells.push_back(scene.renderer.Layout().CellImageRect(p.x, p.y));
  return cells;
}

// Paints a plain disc of the stone colour: enough for stones drawn from cell images.
class DiscSphere : public SphereImageRenderer {
 public:
  bool RenderSphere(Raster& image, Color diffuse, Color clear, double, double) override {
    const int n = image.width();
    for (int y = 0; y < n; ++y) {
      for (int x = 0; x < n; ++x) {
        const int dx = 2 * x - (n - 1), dy = 2 * y - (n - 1);
        image.SetPixel(x, y, dx * dx + dy * dy < (n - 2) * (n - 2) ? diffuse : clear);
      }
    }
    return true;
  }
};

using RedrawGame = testing::RecordSetTest;

// The incremental redraws of a whole game, jumps between variations included, leave the
// picture a full frame draws, in the image look and in the flat look.
TEST_P(RedrawGame, StepByStepEqualsAFullFrame) {
  DiscSphere sphere;
  const std::string game = LongGame(GetParam());
  ASSERT_FALSE(game.empty());
  for (const int look : {0, 1, 2}) {
    const int asInBooks = look == 1;
    const bool flat = look == 2;
    SCOPED_TRACE(flat ? "flat" : asInBooks ? "image, as in books" : "image");
    BoardScene scene(game,
                     {{MarkOnLastMove, 1}, {Numbering, 1}, {AsInBooks, asInBooks}, {Indices, 1}, {With3DEffect, !flat}},
                     7, nullptr, {}, flat ? nullptr : &sphere);
    scene.DrawFull();
    int steps = 0;
    bool captured = false;
    while (scene.Step()) {
      ++steps;
      captured = captured || (scene.lastKind == LoadedRecord::StepKind::FirstChild && scene.lastChanged.size() >= 3);
      if (steps % 40 != 0) continue;
      const Raster incremental = scene.raster;
      scene.DrawFull();
      ASSERT_EQ(Difference(incremental, scene.raster), "") << "step " << steps;
    }
    EXPECT_GT(steps, 100);
    // As in books, a captured stone stays on show.
    EXPECT_EQ(captured, asInBooks == 0);
  }
}

INSTANTIATE_TEST_SUITE_P(, RedrawGame, ::testing::ValuesIn(testing::kRecordSets), testing::RecordSetName);

TEST(Redraw, OnlyChangedCellsAreDrawnAndReported) {
  // Black captures the white stone at (1, 1) with its move at (2, 1).
  BoardScene scene("(;SZ[9];B[ab];W[aa];B[ba];W[ee])", {{MarkOnLastMove, 0}});
  scene.DrawFull();
  ASSERT_TRUE(scene.Step());
  EXPECT_EQ(scene.lastChanged, CellsOf(scene, {{1, 2}}));
  ASSERT_TRUE(scene.Step());
  ASSERT_TRUE(scene.Step());
  EXPECT_EQ(scene.lastChanged, CellsOf(scene, {{1, 1}, {2, 1}}));
  EXPECT_EQ(scene.PixelAtCentre(1, 1), testing::kLine);
}

TEST(Redraw, LastMoveMarkMovesWithTheMoves) {
  BoardScene scene("(;SZ[9];B[cc];W[gg];B[dd])", {{MarkOnLastMove, 1}});
  scene.DrawFull();
  ASSERT_TRUE(scene.Step());
  ASSERT_TRUE(scene.Step());
  EXPECT_EQ(scene.lastChanged, CellsOf(scene, {{3, 3}, {7, 7}}));
  EXPECT_EQ(scene.PixelAtCentre(3, 3, 1, 0), testing::kBlackStone);  // the plus has moved on
  EXPECT_EQ(scene.PixelAtCentre(7, 7, 1, 0), testing::kBlackStone);  // plus on the white stone
}

TEST(Redraw, RepeatingAStepRedrawsOnlyMarkedAndLabelledPoints) {
  struct Case { int lastMove, marks; size_t redrawn; };
  for (const Case& c : {Case{0, 0, 0}, Case{1, 0, 1}, Case{0, 1, 2}, Case{1, 1, 3}}) {
    BoardScene scene("(;SZ[9];B[cc]LB[aa:x][bb:y])", {{MarkOnLastMove, c.lastMove}, {MarksAndLabels, c.marks}});
    scene.DrawFull();
    ASSERT_TRUE(scene.Step());
    Canvas canvas(scene.raster);
    scene.renderer.CommitDisplay();
    EXPECT_EQ(scene.renderer.RedrawChanged(canvas, scene.Position()).size(), c.redrawn)
        << c.lastMove << " " << c.marks;
  }
}

// Owns a block of points, as the assistant does, and logs the calls it gets.
class FakeSurroundings : public BoardSurroundings {
 public:
  std::string log;
  void Prepare(const BoardLayout& layout) override { log += "prepare R" + std::to_string(layout.R) + ";"; }
  void DrawFullFrame(Canvas&) override { log += "full;"; }
  bool OwnsPoint(int x, int y) const override { return x <= 3 && y >= 5; }
  void RedrawChanged(Canvas&, std::vector<Rect>& changed) override {
    log += "redraw " + std::to_string(changed.size()) + ";";
    changed.push_back(Rect{0, 0, 1, 1});
  }
  void CommitDisplay() override { log += "commit;"; }
};

TEST(Redraw, TheSurroundingsRepaintTheAssistantsPoints) {
  for (const int assistant : {0, 1}) {
    FakeSurroundings around;
    BoardScene scene("(;SZ[9];B[bg];W[gg])", {{Assistant, assistant}}, 8, &around);
    scene.DrawFull();
    EXPECT_EQ(around.log, "prepare R8;full;");
    around.log.clear();
    ASSERT_TRUE(scene.Step());
    // The move at (2, 7) lies in the assistant's block: left to it while the assistant is shown.
    EXPECT_EQ(around.log, assistant ? "commit;redraw 0;" : "commit;redraw 1;");
    EXPECT_EQ(scene.PixelAtCentre(2, 7, 1, 0), assistant ? testing::kLine : testing::kBlackStone);
    ASSERT_TRUE(scene.Step());
    EXPECT_EQ(scene.lastChanged.size(), 2u);
  }
}

}  // namespace
}  // namespace tenukiro

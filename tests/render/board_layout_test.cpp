#include <gtest/gtest.h>

#include <climits>

#include "render/board_layout.h"

namespace tenukiro {
namespace {

// The information block's size as the game-information object would report it.
class FixedInfo : public InfoBlockMetrics {
 public:
  FixedInfo(int lines, int width) : lines_(lines), width_(width) {}
  int LineCount() const override { return lines_; }
  int MaxWidth(int) const override { return width_; }

 private:
  int lines_;
  int width_;
};

LayoutInputs Inputs(int wc, int hc, int sw, ViewRectangle view = {1, 1, 19, 19}, int kx = 10, int ky = 10) {
  LayoutInputs in;
  in.clientWidth = wc;
  in.clientHeight = hc;
  in.screenWidth = sw;
  in.view = view;
  in.kx = kx;
  in.ky = ky;
  return in;
}

SettingsRecord With(std::initializer_list<std::pair<SettingId, int32_t>> list) {
  SettingsRecord s;
  for (const auto& [id, value] : list) s.SetEffective(id, value);
  return s;
}

TEST(BoardLayout, StoneRadiusScalesWithTheWindowAndTheStarPointsFollow) {
  struct Case { int wc, sw, stoneRadius, R, t; };
  for (const Case& c : {Case{152, 1024, 12, 2, 1}, Case{1024, 1024, 14, 14, 2}, Case{1024, 1024, 15, 15, 3},
                        Case{1024, 1024, 7, 7, 1}, Case{1024, 1024, 8, 8, 2}, Case{512, 1024, 24, 12, 2},
                        Case{0, 1024, 12, 2, 1}}) {
    const BoardLayout l = ComputeLayout(With({{StoneRadius, c.stoneRadius}}), Inputs(c.wc, 768, c.sw), NoInfoBlock{});
    EXPECT_EQ(l.R, c.R) << c.wc << " " << c.stoneRadius;
    EXPECT_EQ(l.D, 2 * c.R);
    EXPECT_EQ(l.Rm1, c.R - 1);
    EXPECT_EQ(l.Dm1, 2 * c.R - 1);
    EXPECT_EQ(l.t, c.t);
  }
}

TEST(BoardLayout, AssistantSizeInUnitsOfR) {
  struct Case { ViewRectangle view; int wu, hu; };
  for (const Case& c : {Case{{1, 1, 19, 19}, 19, 38}, Case{{1, 1, 9, 9}, 18, 18}, Case{{0, 0, 20, 20}, 21, 42}}) {
    const BoardLayout l =
        ComputeLayout(With({{Assistant, 1}, {StoneRadius, 10}}), Inputs(1000, 1000, 1000, c.view), NoInfoBlock{});
    EXPECT_EQ(l.Wu, c.wu);
    EXPECT_EQ(l.Hu, c.hu);
    EXPECT_EQ(l.Aw, c.wu * 10);
    EXPECT_EQ(l.Ah, c.hu * 10);
  }
  const BoardLayout custom = ComputeLayout(
      With({{Assistant, 1}, {AssistantCustomWidth, 1}, {AssistantWidth, 7}, {AssistantCustomHeight, 1},
            {AssistantHeight, 5}, {StoneRadius, 10}}),
      Inputs(1000, 1000, 1000), NoInfoBlock{});
  EXPECT_EQ(custom.Aw, 70);
  EXPECT_EQ(custom.Ah, 50);
  // While the assistant is off its units stay as they were.
  const BoardLayout off = ComputeLayout(With({}), Inputs(1000, 1000, 1000), NoInfoBlock{}, custom);
  EXPECT_EQ(off.Wu, 7);
  EXPECT_EQ(off.Hu, 5);
  EXPECT_EQ(off.Aw, 0);
  EXPECT_EQ(off.Ah, 0);
}

TEST(BoardLayout, OriginsTruncateTowardZero) {
  // R = 24, D = 48; a 19 x 19 board with its margins is 960 pixels.
  struct Case { int position, gridX, gridY, kx, ky, wc, hc, x0, y0; };
  for (const Case& c : {
           Case{0, 0, 0, 10, 10, 1920, 1080, 480, 60},
           Case{0, 0, 0, 10, 10, 501, 501, -229, -229},             // -459 / 2
           Case{1, 0, 0, 7, 7, 501, 501, -160, -160},               // -459 * 7 / 20
           Case{1, 0, 0, 0, 0, 1920, 1080, 0, 0},
           Case{1, 0, 0, 20, 20, 1920, 1080, 960, 120},
           Case{2, -3, 2, 10, 10, 1920, 1080, 480 - 72, 60 + 48},
       }) {
    const SettingsRecord s = With({{GridPosition, c.position}, {GridX, c.gridX}, {GridY, c.gridY}, {StoneRadius, 24}});
    const BoardLayout l = ComputeLayout(s, Inputs(c.wc, c.hc, c.wc, {1, 1, 19, 19}, c.kx, c.ky), NoInfoBlock{});
    EXPECT_EQ(l.X0, c.x0) << c.position << " " << c.wc << " " << c.kx;
    EXPECT_EQ(l.Y0, c.y0) << c.position << " " << c.hc << " " << c.ky;
  }
}

TEST(BoardLayout, RandomPlacementReachesTheWindowEdges) {
  const SettingsRecord s = With({{GridPosition, 1}, {StoneRadius, 20}, {Comment, 1}, {Informations, 1}});
  const FixedInfo info(2, 0);
  const BoardLayout right = ComputeLayout(s, Inputs(1500, 1200, 1500, {1, 1, 19, 19}, 20, 20), info);
  // The board's right margin ends at the client width; below it, 2 information lines and 3
  // comment pitches end at the client height.
  EXPECT_EQ(right.X0 + 20 * right.D, 1500);
  EXPECT_EQ(right.Y0 + 20 * right.D + (2 + 3) * right.D, 1200);

  const SettingsRecord a = With({{GridPosition, 1}, {StoneRadius, 20}, {Assistant, 1}});
  const BoardLayout left = ComputeLayout(a, Inputs(1500, 1200, 1500, {1, 1, 19, 19}, 0, 0), NoInfoBlock{});
  EXPECT_EQ(left.X0, left.Aw);
  EXPECT_EQ(left.AssistantArea().left, -left.R);
  EXPECT_EQ(left.AssistantArea(), (Rect{-20, left.Y0 - 20, left.X0 - 20, left.Y0 - 20 + left.Ah + 1}));
}

TEST(BoardLayout, PartialViewsShiftTheOrigin) {
  const SettingsRecord s = With({{GridPosition, 0}, {StoneRadius, 10}});
  const BoardLayout l = ComputeLayout(s, Inputs(1000, 1000, 1000, {5, 3, 9, 7}), NoInfoBlock{});
  // cols = rows = 5: the viewed block of 6 pitches is centred.
  EXPECT_EQ(l.PointCentre(5, 3).x - l.R, (1000 - 120) / 2 + 10);
  EXPECT_EQ(l.PointCentre(5, 3).y - l.R, (1000 - 120) / 2 + 10);
}

TEST(BoardLayout, InformationBlockStaysInsideARandomlyPlacedBoard) {
  const SettingsRecord s = With({{GridPosition, 1}, {StoneRadius, 24}, {Informations, 1}});
  struct Case { int kx, infoWidth, x0; };
  for (const Case& c : {Case{0, 1200, 600 - 480}, Case{20, 1200, 1920 - 600 - 480}, Case{0, 2000, 0},
                        Case{10, 1200, 480}, Case{0, 900, 0}}) {
    const BoardLayout l = ComputeLayout(s, Inputs(1920, 1080, 1920, {1, 1, 19, 19}, c.kx, 10), FixedInfo(3, c.infoWidth));
    EXPECT_EQ(l.X0, c.x0) << c.kx << " " << c.infoWidth;
  }
  // With the assistant shown the rule does not apply.
  const SettingsRecord a = With({{GridPosition, 1}, {StoneRadius, 24}, {Informations, 1}, {Assistant, 1}});
  EXPECT_EQ(ComputeLayout(a, Inputs(1920, 1080, 1920, {1, 1, 19, 19}, 0, 10), FixedInfo(3, 1200)).X0, 19 * 24);
}

TEST(BoardLayout, AbsurdSizesStayInRange) {
  for (const LayoutInputs& in : {Inputs(0, 0, 0), Inputs(1, 1, 1), Inputs(100000, 10, 1), Inputs(INT_MAX, INT_MAX, 1),
                                 Inputs(-5, -5, -5), Inputs(800, 600, 1024, {-128, -128, 127, 127}),
                                 Inputs(800, 600, 1024, {20, 20, 1, 1})}) {
    const BoardLayout l = ComputeLayout(With({{StoneRadius, 99}, {Assistant, 1}}), in, NoInfoBlock{});
    EXPECT_GE(l.R, 2);
    EXPECT_LE(l.R, kMaxStoneRadius);
    EXPECT_LE(std::abs(static_cast<long long>(l.X0)), 1LL << 28);
    EXPECT_LE(std::abs(static_cast<long long>(l.Y0)), 1LL << 28);
  }
}

}  // namespace
}  // namespace tenukiro

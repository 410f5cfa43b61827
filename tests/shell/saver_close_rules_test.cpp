#include <gtest/gtest.h>

#include "shell/saver_close_rules.h"

namespace tenukiro {
namespace {

void NoCursor(int&, int&) {}

TEST(SaverCloseRules, TheFirstMouseMessageNeverCloses) {
  SaverCloseRules rules(100, 10, 0);
  EXPECT_FALSE(rules.OnMouseMove(5000, -5000));
  EXPECT_FALSE(rules.OnMouseMove(5000, -5000));
}

TEST(SaverCloseRules, ThresholdIsPerAxisAndExclusive) {
  struct Case { int threshold, x, y; bool closes; };
  for (const Case c : {Case{100, 100, 0, false}, Case{100, 101, 0, true}, Case{100, 0, -100, false},
                       Case{100, 0, -101, true}, Case{100, 100, 100, false}, Case{0, 0, 0, false},
                       Case{0, 1, 0, true}, Case{0, 0, -1, true}}) {
    SaverCloseRules rules(c.threshold, 10, 0);
    rules.OnMouseMove(500, 500);
    EXPECT_EQ(rules.OnMouseMove(500 + c.x, 500 + c.y), c.closes) << c.threshold << " " << c.x << " " << c.y;
  }
}

TEST(SaverCloseRules, DistanceIsMeasuredFromTheFirstPosition) {
  SaverCloseRules rules(10, 10, 0);
  rules.OnMouseMove(0, 0);
  EXPECT_FALSE(rules.OnMouseMove(8, 0));
  EXPECT_FALSE(rules.OnMouseMove(10, 0));
  EXPECT_TRUE(rules.OnMouseMove(11, 0));
}

TEST(SaverCloseRules, GracePeriodClosesWithoutAskingThePassword) {
  int asked = 0;
  const auto refuse = [&] { ++asked; return false; };
  SaverCloseRules rules(100, 10, 1000);
  EXPECT_TRUE(rules.OnCloseRequest(1000 + 9000, refuse, NoCursor));
  EXPECT_TRUE(rules.OnCloseRequest(1000 + 10000, refuse, NoCursor));
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(rules.OnCloseRequest(1000 + 11000, refuse, NoCursor));
  EXPECT_EQ(asked, 1);
}

TEST(SaverCloseRules, NothingClosesWhileThePasswordIsAsked) {
  SaverCloseRules rules(5, 0, 0);
  rules.OnMouseMove(0, 0);
  bool nestedKeyCloses = true, nestedMoveCloses = true;
  const auto verify = [&] {
    EXPECT_TRUE(rules.CursorVisible());
    nestedKeyCloses = rules.OnButtonOrKey() || rules.OnDeactivate();
    nestedMoveCloses = rules.OnMouseMove(500, 500);
    return false;
  };
  const auto cursorAt = [](int& x, int& y) { x = 300; y = 300; };
  EXPECT_FALSE(rules.OnCloseRequest(5000, verify, cursorAt));
  EXPECT_FALSE(nestedKeyCloses);
  EXPECT_FALSE(nestedMoveCloses);
  EXPECT_FALSE(rules.CursorVisible());
  // The threshold is measured again from where the cursor was after the question.
  EXPECT_FALSE(rules.OnMouseMove(305, 295));
  EXPECT_TRUE(rules.OnMouseMove(306, 300));
  EXPECT_TRUE(rules.OnButtonOrKey());
}

TEST(SaverCloseRules, TickCounterWrapAround) {
  SaverCloseRules rules(100, 10, 0xFFFFF000u);
  EXPECT_TRUE(rules.OnCloseRequest(0x00000100u, [] { return false; }, NoCursor));
}

}  // namespace
}  // namespace tenukiro

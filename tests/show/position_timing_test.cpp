#include <gtest/gtest.h>

#include "show/position_timing.h"

namespace tenukiro {
namespace {

TEST(PositionTiming, EachKindOfPoseValueSetsTheWaitAndWhetherItIsItsOwn) {
  // A node of 3000 ms with three values, 700 ms waited before the value; `count` 0 once
  // further pages of the comment take whole times.
  struct Case {
    const char* value;
    int count;
    bool ownBefore;
    int32_t wait;
    bool own;
  };
  const Case cases[] = {
      {"short", 3, true, 700, true},            // no pose: wait and kind stay
      {nullptr, 3, false, 700, false},          // past the last value: the same
      {"1010111213", 3, true, 700, false},      // no duration: the wait stays, not its own
      {"1010111213:0", 3, true, 1000, false},   // zero: the node's time shared
      {"1010111213:x", 3, false, 1000, false},  // unreadable: shared too
      {"1010111213:0", 0, false, 3000, false},  // shared among none: the whole time
      {"1010111213:450:1:2", 3, false, 450, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value ? c.value : "null");
    PositionTiming position;
    position.nodeDuration = 3000;
    position.xaCount = c.count;
    position.explicitDuration = c.ownBefore;
    int32_t wait = 700;
    StepPose(position, ReadScriptValue(c.value), wait);
    EXPECT_EQ(wait, c.wait);
    EXPECT_EQ(position.explicitDuration, c.own);
  }
}

TEST(PositionTiming, ANewNodeKeepsThePosesBeforeOnlyWhenItReadNone) {
  SgfValue value;
  PositionTiming position;
  position.elapsed = 500;
  NodeRequest posed;
  posed.times = NodeTimes{2000, 300};
  posed.poses = NodePoses{true, 2, &value, ScriptPose{}};
  StartPosition(position, posed);
  EXPECT_EQ(position.nodeDuration, 2000);
  EXPECT_EQ(position.commentLineTime, 300);
  EXPECT_EQ(position.elapsed, 0);
  EXPECT_EQ(position.xaCount, 2);
  EXPECT_EQ(position.firstXa, &value);
  EXPECT_EQ(position.currentXa, value.Next()) << "the first value is on screen";
  StartPosition(position, NodeRequest{});
  EXPECT_EQ(position.xaCount, 0);
  EXPECT_EQ(position.firstXa, &value) << "the assistant hidden reads no poses";
}

}  // namespace
}  // namespace tenukiro

#include <gtest/gtest.h>

#include <vector>

#include "assistant/page_timing.h"

namespace tenukiro {
namespace {

// A position of base time 2000 and line time 500 with `count` poses; the pose values only need
// their places, as the show steps through them.
struct Posed {
  explicit Posed(int count) {
    position.nodeDuration = 2000;
    position.commentLineTime = 500;
    position.xaCount = count;
    position.firstXa = count > 0 ? &values[0] : nullptr;
    position.currentXa = count > 1 ? &values[1] : position.firstXa;
    show.state = count > 1 ? ShowState::NextPose : ShowState::NextPosition;
  }
  // The show's pose step: the next value is the current one, and the state returns to next
  // position once the values come round to the first.
  void NextPose() {
    const int index = static_cast<int>(position.currentXa - values);
    position.currentXa = &values[(index + 1) % position.xaCount];
    if (position.currentXa == position.firstXa) show.state = ShowState::NextPosition;
  }

  SgfValue values[3];
  AnnotationState position;
  ShowTiming show;
};

TEST(PageTiming, WithoutPosesAPageWaitsBaseAndItsLines) {
  Posed p(0);
  HandBackBalloonPage(3, false, p.position, p.show);
  EXPECT_EQ(p.show.nextWait, 3500);
  EXPECT_EQ(p.show.state, ShowState::NextPosition);
}

TEST(PageTiming, ThreePosesShareTheTimeAndTheLastWaitsForWhatIsLeft) {
  // T = 2000 + 2 x 501 = 3002, which does not divide by three.
  Posed p(3);
  p.position.commentLineTime = 501;
  std::vector<int32_t> waits;
  for (int pose = 0; pose < 3; ++pose) {
    if (pose > 0) p.NextPose();
    HandBackBalloonPage(2, false, p.position, p.show);
    waits.push_back(p.show.nextWait);
  }
  EXPECT_EQ(waits, (std::vector<int32_t>{1000, 1000, 1002}));
  EXPECT_EQ(p.position.elapsed, 2000);
  EXPECT_EQ(p.show.state, ShowState::NextPosition);
}

TEST(PageTiming, APoseWithItsOwnDurationKeepsIt) {
  Posed p(3);
  p.position.explicitDuration = true;
  p.show.nextWait = 700;
  HandBackBalloonPage(2, false, p.position, p.show);
  EXPECT_EQ(p.show.nextWait, 700);
  EXPECT_EQ(p.position.elapsed, 700);
}

TEST(PageTiming, FurtherPagesAfterTheLastPoseTakeWholeTimes) {
  Posed p(1);
  HandBackBalloonPage(2, true, p.position, p.show);
  EXPECT_EQ(p.show.state, ShowState::MorePages);
  EXPECT_EQ(p.show.nextWait, 3000) << "one pose: T / 1, and at least T";
  EXPECT_EQ(p.position.xaCount, 0);
  HandBackBalloonPage(1, false, p.position, p.show);
  EXPECT_EQ(p.show.state, ShowState::NextPosition);
  EXPECT_EQ(p.show.nextWait, 2500);
}

TEST(PageTiming, WhilePosesWaitTheStateStays) {
  Posed p(3);
  HandBackBalloonPage(2, true, p.position, p.show);
  EXPECT_EQ(p.show.state, ShowState::NextPose);
  HandBackBalloonPage(0, false, p.position, p.show);
  EXPECT_EQ(p.show.state, ShowState::NextPose);
  EXPECT_EQ(p.show.nextWait, 1000) << "a page of no lines leaves the wait";
}

TEST(PageTiming, TheCommentBoxSetsTheStateFromTheTextLeft) {
  Posed p(0);
  HandBackBoxPage(4, true, p.position, p.show);
  EXPECT_EQ(p.show.state, ShowState::MorePages);
  EXPECT_EQ(p.show.nextWait, 4000);
  p.show.nextWait = 123;
  HandBackBoxPage(0, false, p.position, p.show);
  EXPECT_EQ(p.show.state, ShowState::NextPosition);
  EXPECT_EQ(p.show.nextWait, 123);
}

}  // namespace
}  // namespace tenukiro

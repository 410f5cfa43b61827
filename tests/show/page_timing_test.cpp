#include <gtest/gtest.h>

#include "show/page_timing.h"

namespace tenukiro {
namespace {

// How poses share a comment's time is tested through the show (tests/show); here the rest.
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

  SgfValue values[3];
  PositionTiming position;
  ShowTiming show;
};

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

TEST(PageTiming, ThreePagesGiveThreeWaitsAndTheRightStates) {
  // Three pages of two lines each, the last one emptying the comment.
  PositionTiming position;
  position.nodeDuration = 2000;
  position.commentLineTime = 300;
  ShowTiming box{ShowState::NextPosition, 2000};
  ShowTiming balloon = box;
  const ShowState states[] = {ShowState::MorePages, ShowState::MorePages, ShowState::NextPosition};
  for (int page = 0; page < 3; ++page) {
    SCOPED_TRACE(page);
    const bool textRemains = page < 2;
    HandBackPage(WrittenPage{WrittenPage::Place::Box, 2, textRemains}, position, box);
    HandBackPage(WrittenPage{WrittenPage::Place::Balloon, 2, textRemains}, position, balloon);
    EXPECT_EQ(box.state, states[page]);
    EXPECT_EQ(balloon.state, states[page]);
    EXPECT_EQ(box.nextWait, 2600);
    EXPECT_EQ(balloon.nextWait, 2600);
  }
  ShowTiming none = box;
  HandBackPage(WrittenPage{}, position, none);
  EXPECT_EQ(none.state, box.state) << "a drawing that wrote no page";
  EXPECT_EQ(none.nextWait, box.nextWait);
}

}  // namespace
}  // namespace tenukiro

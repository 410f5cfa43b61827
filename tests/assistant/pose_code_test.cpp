#include <gtest/gtest.h>

#include "assistant/pose_code.h"

namespace tenukiro {
namespace {

TEST(PoseCode, TheTalkingAndSleepingPoses) {
  const Pose talking = DecodePose(kTalkingPose);
  EXPECT_EQ(talking.leftEye.kind, EyeKind::Open);
  EXPECT_EQ(talking.leftEye.gaze, Gaze::Centre);
  EXPECT_EQ(talking.rightEye.kind, EyeKind::Open);
  EXPECT_EQ(talking.mouth, MouthShape::Smile);
  EXPECT_EQ(talking.mouthPlace, MouthPlace::MediumCentre);
  for (const LegPose& leg : {talking.leftLeg, talking.rightLeg}) {
    EXPECT_EQ(leg.shape, LegShape::KneeOut);
    EXPECT_TRUE(leg.hipOutward);
    EXPECT_TRUE(leg.hasLength);
  }
  EXPECT_TRUE(talking.leftLeg.footLeft);
  EXPECT_FALSE(talking.rightLeg.footLeft);

  const Pose sleeping = DecodePose(kSleepingPose);
  EXPECT_EQ(sleeping.leftEye.kind, EyeKind::Closed);
  EXPECT_EQ(sleeping.rightEye.kind, EyeKind::Closed);
  EXPECT_EQ(sleeping.mouth, MouthShape::Straight);
  EXPECT_EQ(sleeping.mouthPlace, MouthPlace::MediumCentre);
  // Seated, both feet showing under the body and pointing outward.
  EXPECT_EQ(sleeping.leftLeg.shape, LegShape::FootOnly);
  EXPECT_TRUE(sleeping.leftLeg.hipOutward);
  EXPECT_TRUE(sleeping.leftLeg.footLeft);
  EXPECT_FALSE(sleeping.leftLeg.hasLength);
  EXPECT_EQ(sleeping.rightLeg.shape, LegShape::FootOnly);
  EXPECT_TRUE(sleeping.rightLeg.hipOutward);
  EXPECT_FALSE(sleeping.rightLeg.footLeft);
  EXPECT_FALSE(sleeping.rightLeg.hasLength);
}

// Each position read alone: the character there, then what the rest of the code keeps.
TEST(PoseCode, EveryCharacterNamedAndAnyOtherAsItsOtherRule) {
  struct EyeCase { char c; EyeKind kind; };
  for (const EyeCase& e : {EyeCase{'0', EyeKind::None}, {'1', EyeKind::Closed}, {'2', EyeKind::LowerHalf},
                           {'3', EyeKind::UpperHalf}, {'4', EyeKind::Open}, {'x', EyeKind::Open}}) {
    char code[] = "4040214243";
    code[2] = e.c;
    EXPECT_EQ(DecodePose(code).rightEye.kind, e.kind) << e.c;
  }
  struct GazeCase { char c; Gaze gaze; };
  for (const GazeCase& g : {GazeCase{'0', Gaze::Centre}, {'1', Gaze::Left}, {'2', Gaze::Up}, {'3', Gaze::Right},
                            {'4', Gaze::Down}, {'9', Gaze::Centre}}) {
    char code[] = "4040214243";
    code[1] = g.c;
    EXPECT_EQ(DecodePose(code).leftEye.gaze, g.gaze) << g.c;
  }
  struct MouthCase { char shape, place; MouthShape s; MouthPlace p; };
  for (const MouthCase& m : {MouthCase{'0', '0', MouthShape::None, MouthPlace::SmallCentre},
                             {'1', '1', MouthShape::Straight, MouthPlace::MediumCentre},
                             {'2', '2', MouthShape::Smile, MouthPlace::WideCentre},
                             {'3', '3', MouthShape::Frown, MouthPlace::SmallLeft},
                             {'7', '4', MouthShape::Smile, MouthPlace::SmallRight},
                             {'2', '5', MouthShape::Smile, MouthPlace::SmallCentre}}) {
    char code[] = "4040214243";
    code[4] = m.shape;
    code[5] = m.place;
    EXPECT_EQ(DecodePose(code).mouth, m.s) << m.shape;
    EXPECT_EQ(DecodePose(code).mouthPlace, m.p) << m.place;
  }
  struct LegCase { char shape, placement; LegShape s; bool hipOutward, footLeft, hasLength; };
  for (const LegCase& l : {LegCase{'0', '0', LegShape::None, false, true, false},
                           {'1', '1', LegShape::FootOnly, false, false, false},
                           {'2', '2', LegShape::Straight, true, true, true},
                           {'3', '3', LegShape::Slanted, true, false, true},
                           {'4', '7', LegShape::KneeOut, true, false, true},
                           {'F', '0', LegShape::Straight, false, true, true}}) {
    char code[] = "4040214243";
    code[8] = l.shape;
    code[9] = l.placement;
    const LegPose leg = DecodePose(code).rightLeg;
    EXPECT_EQ(leg.shape, l.s) << l.shape;
    EXPECT_EQ(leg.hipOutward, l.hipOutward) << l.placement;
    EXPECT_EQ(leg.footLeft, l.footLeft) << l.placement;
    EXPECT_EQ(leg.hasLength, l.hasLength) << l.shape;
  }
}

TEST(PoseCode, AShortCodeReadsAsPaddedWithF) {
  const Pose pose = DecodePose("10");
  EXPECT_EQ(pose.leftEye.kind, EyeKind::Closed);
  EXPECT_EQ(pose.rightEye.kind, EyeKind::Open);
  EXPECT_EQ(pose.rightLeg.shape, LegShape::Straight);
  EXPECT_TRUE(pose.rightLeg.hasLength);
  EXPECT_EQ(DecodePose(nullptr).mouth, MouthShape::Smile);
}

}  // namespace
}  // namespace tenukiro

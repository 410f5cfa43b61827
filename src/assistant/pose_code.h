#pragma once

namespace tenukiro {

// Ten characters that choose the assistant's eyes, pupils, mouth and legs.
inline constexpr char kTalkingPose[] = "4040214243";
inline constexpr char kSleepingPose[] = "1010111213";

enum class EyeKind { None, Closed, LowerHalf, UpperHalf, Open };
enum class Gaze { Centre, Left, Up, Right, Down };
enum class MouthShape { None, Straight, Frown, Smile };
// Small, medium or wide in the middle; small at the left or right side.
enum class MouthPlace { SmallCentre, MediumCentre, WideCentre, SmallLeft, SmallRight };
enum class LegShape { None, FootOnly, Straight, Slanted, KneeOut };

struct EyePose {
  EyeKind kind = EyeKind::Open;
  Gaze gaze = Gaze::Centre;
};

struct LegPose {
  LegShape shape = LegShape::Straight;
  bool hipOutward = true;
  bool footLeft = false;
  // Whether the leg is a leg's length long: a shape character above '1'.
  bool hasLength = true;
};

struct Pose {
  EyePose leftEye, rightEye;
  MouthShape mouth = MouthShape::Smile;
  MouthPlace mouthPlace = MouthPlace::SmallCentre;
  LegPose leftLeg, rightLeg;
};

// Reads a pose code by position; a character that no rule names takes the rule for "other", and
// a code shorter than ten characters reads as if padded with 'F'.
Pose DecodePose(const char* code);

}  // namespace tenukiro

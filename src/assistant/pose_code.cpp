#include "assistant/pose_code.h"

namespace tenukiro {
namespace {

EyeKind EyeKindOf(char c) {
  switch (c) {
    case '0': return EyeKind::None;
    case '1': return EyeKind::Closed;
    case '2': return EyeKind::LowerHalf;
    case '3': return EyeKind::UpperHalf;
    default: return EyeKind::Open;
  }
}

Gaze GazeOf(char c) {
  switch (c) {
    case '1': return Gaze::Left;
    case '2': return Gaze::Up;
    case '3': return Gaze::Right;
    case '4': return Gaze::Down;
    default: return Gaze::Centre;
  }
}

MouthShape MouthShapeOf(char c) {
  switch (c) {
    case '0': return MouthShape::None;
    case '1': return MouthShape::Straight;
    case '3': return MouthShape::Frown;
    default: return MouthShape::Smile;
  }
}

MouthPlace MouthPlaceOf(char c) {
  switch (c) {
    case '1': return MouthPlace::MediumCentre;
    case '2': return MouthPlace::WideCentre;
    case '3': return MouthPlace::SmallLeft;
    case '4': return MouthPlace::SmallRight;
    default: return MouthPlace::SmallCentre;
  }
}

LegShape LegShapeOf(char c) {
  switch (c) {
    case '0': return LegShape::None;
    case '1': return LegShape::FootOnly;
    case '3': return LegShape::Slanted;
    case '4': return LegShape::KneeOut;
    default: return LegShape::Straight;
  }
}

LegPose LegOf(char shape, char placement) {
  return LegPose{LegShapeOf(shape), placement != '0' && placement != '1', placement == '0' || placement == '2',
                 static_cast<unsigned char>(shape) > '1'};
}

}  // namespace

Pose DecodePose(const char* code) {
  char c[10];
  bool ended = code == nullptr;
  for (int i = 0; i < 10; ++i) {
    ended = ended || code[i] == '\0';
    c[i] = ended ? 'F' : code[i];
  }
  return Pose{EyePose{EyeKindOf(c[0]), GazeOf(c[1])}, EyePose{EyeKindOf(c[2]), GazeOf(c[3])}, MouthShapeOf(c[4]),
              MouthPlaceOf(c[5]), LegOf(c[6], c[7]), LegOf(c[8], c[9])};
}

}  // namespace tenukiro

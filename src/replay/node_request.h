#pragma once

#include <cstdint>

#include "replay/annotation_state.h"
#include "sgf/sgf_value.h"

namespace tenukiro {

// How long a node's position stays (the comment's page time included) and what each line of its
// comment adds, in milliseconds.
struct NodeTimes {
  int32_t duration = 0;
  int32_t lineTime = 0;
};

// One XA value read: the pose and offset to show, and the wait it asks for.
struct ScriptPose {
  enum class Wait {
    None,    // no whole pose: the default pose, and the wait and its kind stay as they are
    Kept,    // no duration given: the wait stays, and it is no longer the value's own
    Shared,  // a duration of zero or none readable: the node's duration shared among its values
    Own,     // a duration of its own
  };
  char code[kPoseLength + 1] = "FFFFFFFFFF";
  int32_t dx = 0;
  int32_t dy = 0;
  Wait wait = Wait::None;
  int32_t ownWait = 0;
};

// Whether an XA value starts with a whole pose: ten characters; a shorter value keeps the
// default pose.
bool HoldsPose(const char* text);

// One XA value: a 10-character pose code, optionally ":duration:dx:dy"; null or a shorter
// value is no pose.
ScriptPose ReadScriptValue(const char* text);

// The wait after showing `pose`, for a node of `duration` with `count` values, when the wait
// was `current`.
int32_t PoseWait(const ScriptPose& pose, int32_t duration, int count, int32_t current);

// A node's XA values: how many, the first, and what the first one shows.
struct NodePoses {
  // Whether they were read at all (the assistant is shown); without, those of the node before
  // stay.
  bool read = false;
  int count = 0;
  const SgfValue* first = nullptr;
  ScriptPose pose;
};

// Puts the pose on screen.
void ShowPose(AnnotationState& state, const ScriptPose& pose);

// What a node asks of the show: its times and its assistant's poses.
struct NodeRequest {
  NodeTimes times;
  NodePoses poses;

  // The wait before the next step: the node's duration, or what its first pose asks for.
  int32_t FirstWait() const { return PoseWait(poses.pose, times.duration, poses.count, times.duration); }
  // Whether the show steps through further poses before the next position.
  bool StepsPoses() const { return poses.read && poses.count > 1; }
};

}  // namespace tenukiro

#pragma once

#include <cstdint>

#include "replay/node_request.h"

namespace tenukiro {

// The time of the position on show: its node's times, the poses the show steps through, and
// the time already spent on them while its comment is shown. Times are in milliseconds.
struct PositionTiming {
  int32_t nodeDuration = 0;
  int32_t commentLineTime = 0;
  // The node's XA values and the one shown next; a count of zero once the comment's further
  // pages take whole times.
  int xaCount = 0;
  const SgfValue* firstXa = nullptr;
  const SgfValue* currentXa = nullptr;
  // Whether the pose on screen brought a duration of its own.
  bool explicitDuration = false;
  int32_t elapsed = 0;
};

// A new node applied: its times, and its poses when it read them.
void StartPosition(PositionTiming& position, const NodeRequest& request);

// A further pose shown: what it does to the wait and to whether the wait is its own.
void StepPose(PositionTiming& position, const ScriptPose& pose, int32_t& wait);

}  // namespace tenukiro

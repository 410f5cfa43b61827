#include "show/position_timing.h"

namespace tenukiro {

void StartPosition(PositionTiming& position, const NodeRequest& request) {
  position.nodeDuration = request.times.duration;
  position.commentLineTime = request.times.lineTime;
  position.elapsed = 0;
  position.xaCount = request.poses.count;
  position.explicitDuration = request.poses.pose.wait == ScriptPose::Wait::Own;
  if (!request.poses.read) return;
  position.firstXa = request.poses.first;
  position.currentXa = request.poses.first ? request.poses.first->Next() : nullptr;
}

void StepPose(PositionTiming& position, const ScriptPose& pose, int32_t& wait) {
  wait = PoseWait(pose, position.nodeDuration, position.xaCount, wait);
  if (pose.wait != ScriptPose::Wait::None) position.explicitDuration = pose.wait == ScriptPose::Wait::Own;
}

}  // namespace tenukiro

#include "replay/node_request.h"

#include <algorithm>
#include <cstring>

#include "replay/format_scan.h"

namespace tenukiro {
namespace {

int32_t ClampToInt(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

bool HoldsPose(const char* text) { return text && std::strlen(text) >= kPoseLength; }

ScriptPose ReadScriptValue(const char* text) {
  ScriptPose pose;
  if (!HoldsPose(text)) return pose;
  std::memcpy(pose.code, text, kPoseLength);
  pose.wait = ScriptPose::Wait::Kept;
  const char* colon = std::strchr(text, ':');
  if (!colon) return pose;
  int64_t fields[3] = {};
  const int read = ScanColonNumbers(colon + 1, 3, fields);
  if (read <= 0 || fields[0] <= 0) {
    pose.wait = ScriptPose::Wait::Shared;
  } else {
    pose.wait = ScriptPose::Wait::Own;
    pose.ownWait = ClampToInt(fields[0]);
  }
  pose.dx = read == 3 ? ClampToInt(fields[1]) : 0;
  pose.dy = read == 3 ? ClampToInt(fields[2]) : 0;
  return pose;
}

void ShowPose(AnnotationState& state, const ScriptPose& pose) {
  std::memcpy(state.poseCode, pose.code, sizeof state.poseCode);
  state.assistantDx = pose.dx;
  state.assistantDy = pose.dy;
}

int32_t PoseWait(const ScriptPose& pose, int32_t duration, int count, int32_t current) {
  switch (pose.wait) {
    case ScriptPose::Wait::Shared:
      return duration / std::max(count, 1);
    case ScriptPose::Wait::Own:
      return pose.ownWait;
    case ScriptPose::Wait::None:
    case ScriptPose::Wait::Kept:
      break;
  }
  return current;
}

}  // namespace tenukiro

#include "shell/idle/idle_cycle.h"

namespace tenukiro {

bool IdleCycle::Idled() {
  if (showRunning_ || !inputSinceShow_) return false;
  showRunning_ = true;
  inputSinceShow_ = false;
  return true;
}

int MsUntilIdleCheck(uint64_t idleMs, int timeoutMs) {
  if (idleMs >= static_cast<uint64_t>(timeoutMs)) return timeoutMs;
  return timeoutMs - static_cast<int>(idleMs);
}

}  // namespace tenukiro

#pragma once

#include <cstdint>

namespace tenukiro {

// When the idle watcher starts the saver: when the session has been idle long enough, no show
// is running, and there was input since the last show began (a show that ended without any,
// say one that failed, is not started again and again while the session stays idle).
class IdleCycle {
 public:
  // The session has been idle for the timeout: true when a show should start now.
  bool Idled();
  // Input came.
  void Resumed() { inputSinceShow_ = true; }
  void ShowEnded() { showRunning_ = false; }
  bool ShowRunning() const { return showRunning_; }

 private:
  bool showRunning_ = false;
  bool inputSinceShow_ = true;
};

// How long the X11 watcher sleeps before it looks at the idle time again: until the timeout
// would be reached without input; once it has been (a show ended with no input since), one
// timeout.
int MsUntilIdleCheck(uint64_t idleMs, int timeoutMs);

}  // namespace tenukiro

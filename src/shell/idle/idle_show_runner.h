#pragma once

#include <signal.h>

#include <string>
#include <vector>

#include "shell/idle/idle_cycle.h"
#include "shell/idle/show_process.h"

namespace tenukiro {

// The saver every idle source runs: the cycle that says when, and the show process it starts.
class IdleShowRunner {
 public:
  // `mask` is the signal mask the show gets (the watcher's own blocks SIGTERM).
  IdleShowRunner(const std::vector<std::string>& showArguments, const sigset_t& mask)
      : arguments_(showArguments), mask_(mask) {}

  // The session has been idle for the timeout: the show starts when the cycle says so.
  void Idled();
  void Resumed() { cycle_.Resumed(); }
  bool ShowRunning() const { return show_.Running(); }
  // Readable once the running show has ended; -1 while none runs.
  int ShowEndFd() const { return show_.EndFd(); }
  // The show's descriptor was readable: it has ended.
  void ShowEnded();
  // The watcher ends: so does a running show.
  void Stop() { show_.Stop(); }

 private:
  const std::vector<std::string>& arguments_;
  sigset_t mask_;
  IdleCycle cycle_;
  ShowProcess show_;
};

}  // namespace tenukiro

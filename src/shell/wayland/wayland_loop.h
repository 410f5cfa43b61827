#pragma once

#include <signal.h>

#include <functional>

struct wl_display;

namespace tenukiro {

// Why a Wayland event loop stopped.
enum class LoopEnd {
  Finished,     // its owner said so
  Terminated,   // SIGTERM or SIGINT
  Disconnected, // the compositor went away
  Failed,       // a protocol error: a fault of ours, reported on standard error
};

// Blocks SIGTERM and SIGINT for its life and reads them from a descriptor, so that none is
// lost between a check and a sleep. Made before any thread is (threads inherit the mask; a
// thread that had them unblocked would take the default action).
class TerminationSignals {
 public:
  TerminationSignals();
  ~TerminationSignals();
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;
  int Fd() const { return fd_; }
  // Takes the signals that came, so that none is delivered when the mask is given back.
  void Take() const;
  // The mask to give a child process, as it was before.
  const sigset_t& PreviousMask() const { return previous_; }

 private:
  sigset_t set_;
  sigset_t previous_;
  int fd_ = -1;
};

// Dispatches the display's events, sleeping in poll() between them. Before each sleep
// `beforeSleep` runs and returns how long to sleep at most (-1: until an event) or whether
// to stop; the descriptor `extraFd` gives, when not -1, is watched too and `onExtra` runs
// when it is readable.
// SIGTERM and SIGINT, read from `signals`, end the loop.
struct LoopHooks {
  std::function<int()> beforeSleep;        // milliseconds, -1 for no limit
  std::function<bool()> finished;          // true: stop now
  std::function<int()> extraFd;
  std::function<void()> onExtra;
};
LoopEnd RunWaylandLoop(wl_display* display, const TerminationSignals& signals, const LoopHooks& hooks);

}  // namespace tenukiro

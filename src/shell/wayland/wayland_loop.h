#pragma once

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

// Dispatches the display's events, sleeping in poll() between them. Before each sleep
// `beforeSleep` runs and returns how long to sleep at most (-1: until an event) or whether
// to stop; `extraFd`, when not -1, is watched too and `onExtra` runs when it is readable.
// SIGTERM and SIGINT end the loop (they are blocked and read from a signal descriptor, so
// that none is lost between a check and the sleep).
struct LoopHooks {
  std::function<int()> beforeSleep;        // milliseconds, -1 for no limit
  std::function<bool()> finished;          // true: stop now
  int extraFd = -1;
  std::function<void()> onExtra;
};
LoopEnd RunWaylandLoop(wl_display* display, const LoopHooks& hooks);

}  // namespace tenukiro

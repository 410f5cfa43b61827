#include "shell/idle/mutter_idle.h"

#include <poll.h>
#include <wayland-client.h>

#include <iostream>

#include "shell/idle/idle_show_runner.h"
#include "shell/idle/mutter_idle_monitor.h"
#include "shell/idle/mutter_watches.h"
#include "shell/wayland/wayland_loop.h"

namespace tenukiro {
namespace {

// Returns whether the session is idle again, when a user-active watch is wanted.
bool Apply(MutterWatches::Meaning meaning, IdleShowRunner& runner) {
  switch (meaning) {
    case MutterWatches::Meaning::Idled:
      runner.Idled();
      return true;
    case MutterWatches::Meaning::ResumedThenIdled:
      runner.Resumed();
      runner.Idled();
      return true;
    case MutterWatches::Meaning::Resumed:
      runner.Resumed();
      return false;
    case MutterWatches::Meaning::Unknown:
      return false;
  }
  return false;
}

// The compositor's events are of no interest here, but reading them notices that it has gone.
bool CompositorAnswers(wl_display* compositor) { return wl_display_dispatch(compositor) != -1; }

// Sleeps until the bus, a signal, the show's end or the compositor wakes the watcher: false
// when the watcher should end.
bool SleepAndHandle(MutterIdleMonitor& monitor, const TerminationSignals& signals, IdleShowRunner& runner,
                    wl_display* compositor) {
  if (compositor) wl_display_flush(compositor);
  pollfd fds[4] = {monitor.PollFd(),
                   {signals.Fd(), POLLIN, 0},
                   {runner.ShowEndFd(), POLLIN, 0},  // -1 while no show runs: left out by poll
                   {compositor ? wl_display_get_fd(compositor) : -1, POLLIN, 0}};
  if (poll(fds, 4, monitor.TimeoutMs()) <= 0) return true;
  if (fds[1].revents) {
    signals.Take();
    return false;
  }
  if (fds[2].revents) runner.ShowEnded();
  return !fds[3].revents || CompositorAnswers(compositor);
}

void RemoveWatches(MutterIdleMonitor& monitor, const MutterWatches& watches) {
  monitor.RemoveWatch(watches.IdleWatch());
  if (watches.ActiveWatch()) monitor.RemoveWatch(*watches.ActiveWatch());
}

}  // namespace

int WatchMutterIdle(MutterIdleMonitor& monitor, int seconds, const std::vector<std::string>& showArguments,
                    const TerminationSignals& signals, wl_display* compositor) {
  const std::optional<uint32_t> idleWatch = monitor.AddIdleWatch(static_cast<uint64_t>(seconds) * 1000);
  if (!idleWatch) {
    std::cerr << "tenukiro: GNOME's idle monitor did not take an idle watch\n";
    return 1;
  }
  MutterWatches watches(*idleWatch);
  IdleShowRunner runner(showArguments, signals.PreviousMask());
  bool idleAgain = false;
  monitor.OnWatchFired([&](uint32_t id) { idleAgain = Apply(watches.Fired(id), runner) || idleAgain; });
  // The user-active watch is asked for outside the bus's own dispatch, once per idle time.
  while (monitor.Dispatch()) {
    if (idleAgain && watches.WantsActiveWatch()) {
      if (const auto active = monitor.AddUserActiveWatch()) watches.ActiveWatchAdded(*active);
    }
    idleAgain = false;
    if (!SleepAndHandle(monitor, signals, runner, compositor)) break;
  }
  runner.Stop();
  RemoveWatches(monitor, watches);
  return 0;
}

}  // namespace tenukiro

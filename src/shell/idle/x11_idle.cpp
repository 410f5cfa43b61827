#include "shell/idle/x11_idle.h"

#include <poll.h>
#include <unistd.h>

#include <iostream>

#include "shell/idle/idle_show_runner.h"
#include "shell/wayland/wayland_loop.h"

// Xlib defines macros such as None and Status; it comes after our own headers.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace tenukiro {
namespace {

// Xlib's handler of a lost connection must not return: it ends the watcher, and the show
// with it (the show has lost its display too).
IdleShowRunner* runningShows = nullptr;

int OnConnectionLost(Display*) {
  if (runningShows) runningShows->Stop();
  _exit(0);
}

}  // namespace

int WatchX11Idle(int seconds, const std::vector<std::string>& showArguments, const TerminationSignals& signals) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::cerr << "tenukiro: cannot open the X display\n";
    return 1;
  }
  int eventBase = 0, errorBase = 0;
  if (!XScreenSaverQueryExtension(display, &eventBase, &errorBase)) {
    std::cerr << "tenukiro: the X server has no MIT-SCREEN-SAVER extension to tell the idle time\n";
    XCloseDisplay(display);
    return 1;
  }
  XScreenSaverInfo* info = XScreenSaverAllocInfo();
  IdleShowRunner runner(showArguments, signals.PreviousMask());
  runningShows = &runner;
  XSetIOErrorHandler(OnConnectionLost);
  const int timeoutMs = seconds * 1000;
  bool terminated = false;
  while (!terminated) {
    int wait = -1;  // while a show runs, only its end or a signal wakes the watcher
    if (!runner.ShowRunning()) {
      XScreenSaverQueryInfo(display, DefaultRootWindow(display), info);
      if (info->idle >= static_cast<unsigned long>(timeoutMs))
        runner.Idled();
      else
        runner.Resumed();
      if (!runner.ShowRunning()) wait = MsUntilIdleCheck(info->idle, timeoutMs);
    }
    pollfd fds[3] = {
        {ConnectionNumber(display), POLLIN, 0}, {signals.Fd(), POLLIN, 0}, {runner.ShowEndFd(), POLLIN, 0}};
    const int count = poll(fds, runner.ShowRunning() ? 3 : 2, wait);
    if (count <= 0) continue;
    // Events are of no interest, but reading them notices a closed connection.
    if (fds[0].revents) {
      while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
      }
    }
    if (fds[1].revents) {
      signals.Take();
      terminated = true;
    }
    if (runner.ShowRunning() && fds[2].revents) runner.ShowEnded();
  }
  runner.Stop();
  runningShows = nullptr;
  XFree(info);
  XCloseDisplay(display);
  return 0;
}

}  // namespace tenukiro

#include "shell/wayland/wayland_loop.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace tenukiro {
namespace {

LoopEnd EndOfConnection(wl_display* display) {
  const int error = wl_display_get_error(display);
  if (error != EPROTO) return LoopEnd::Disconnected;
  const wl_interface* interface = nullptr;
  uint32_t id = 0;
  const uint32_t code = wl_display_get_protocol_error(display, &interface, &id);
  std::cerr << "tenukiro: the compositor refused a request (" << (interface ? interface->name : "?") << " error "
            << code << ")\n";
  return LoopEnd::Failed;
}

}  // namespace

TerminationSignals::TerminationSignals() {
  sigemptyset(&set_);
  sigaddset(&set_, SIGTERM);
  sigaddset(&set_, SIGINT);
  sigprocmask(SIG_BLOCK, &set_, &previous_);
  fd_ = signalfd(-1, &set_, SFD_CLOEXEC | SFD_NONBLOCK);
}

TerminationSignals::~TerminationSignals() {
  if (fd_ >= 0) close(fd_);
  sigprocmask(SIG_SETMASK, &previous_, nullptr);
}

void TerminationSignals::Take() const {
  signalfd_siginfo info;
  while (read(fd_, &info, sizeof info) == sizeof info) {
  }
}

LoopEnd RunWaylandLoop(wl_display* display, const TerminationSignals& signals, const LoopHooks& hooks) {
  while (true) {
    if (wl_display_dispatch_pending(display) < 0) return EndOfConnection(display);
    if (hooks.finished && hooks.finished()) return LoopEnd::Finished;
    const int timeout = hooks.beforeSleep ? hooks.beforeSleep() : -1;
    if (hooks.finished && hooks.finished()) return LoopEnd::Finished;
    while (wl_display_prepare_read(display) != 0) {
      if (wl_display_dispatch_pending(display) < 0) return EndOfConnection(display);
    }
    if (wl_display_flush(display) < 0 && errno != EAGAIN) {
      wl_display_cancel_read(display);
      return LoopEnd::Disconnected;
    }
    const int extraFd = hooks.extraFd ? hooks.extraFd() : -1;
    pollfd fds[3] = {{wl_display_get_fd(display), POLLIN, 0}, {signals.Fd(), POLLIN, 0}, {extraFd, POLLIN, 0}};
    const int count = poll(fds, extraFd >= 0 ? 3 : 2, timeout);
    if (count < 0 && errno != EINTR) {
      wl_display_cancel_read(display);
      std::cerr << "tenukiro: poll failed: " << std::strerror(errno) << "\n";
      return LoopEnd::Failed;
    }
    if (count > 0 && (fds[0].revents & (POLLIN | POLLHUP | POLLERR))) {
      if (wl_display_read_events(display) < 0) return EndOfConnection(display);
    } else {
      wl_display_cancel_read(display);
    }
    if (count > 0 && fds[1].revents) {
      signals.Take();
      return LoopEnd::Terminated;
    }
    if (count > 0 && extraFd >= 0 && fds[2].revents && hooks.onExtra) hooks.onExtra();
  }
}

}  // namespace tenukiro

#include "shell/idle/idle_watcher.h"

#include <iostream>
#include <memory>

#include "shell/idle/mutter_idle.h"
#include "shell/idle/mutter_idle_monitor.h"
#include "shell/idle/wayland_idle.h"
#include "shell/idle/x11_idle.h"
#include "shell/wayland/display_platform.h"
#include "shell/wayland/wayland_loop.h"
#include "shell/wayland/wayland_session.h"

namespace tenukiro {
namespace {

// The compositor's own idle notifications, else GNOME's idle monitor on the session bus.
int WatchWaylandSession(int seconds, const std::vector<std::string>& showArguments, const TerminationSignals& signals) {
  const std::unique_ptr<WaylandSession> session = WaylandSession::Connect();
  if (!session) {
    std::cerr << "tenukiro: cannot connect to the Wayland display\n";
    return 1;
  }
  if (CompositorTellsIdleTime(*session)) return WatchWaylandIdle(*session, seconds, showArguments, signals);
  if (const std::unique_ptr<MutterIdleMonitor> monitor = MutterIdleMonitor::Connect()) {
    return WatchMutterIdle(*monitor, seconds, showArguments, signals, session->Display());
  }
  std::cerr << "tenukiro: the Wayland compositor tells no idle time (neither ext-idle-notify, KDE's idle "
               "protocol nor GNOME's idle monitor on the session bus)\n";
  return 1;
}

}  // namespace

int RunIdleWatcher(int seconds, const std::vector<std::string>& showArguments) {
  const TerminationSignals signals;
  if (SessionDisplayPlatform() == DisplayPlatform::Wayland) return WatchWaylandSession(seconds, showArguments, signals);
  return WatchX11Idle(seconds, showArguments, signals);
}

}  // namespace tenukiro

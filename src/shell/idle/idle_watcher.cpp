#include "shell/idle/idle_watcher.h"

#include "shell/idle/wayland_idle.h"
#include "shell/idle/x11_idle.h"
#include "shell/wayland/display_platform.h"

namespace tenukiro {

int RunIdleWatcher(int seconds, const std::vector<std::string>& showArguments) {
  if (SessionDisplayPlatform() == DisplayPlatform::Wayland) return WatchWaylandIdle(seconds, showArguments);
  return WatchX11Idle(seconds, showArguments);
}

}  // namespace tenukiro

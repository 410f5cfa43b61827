#pragma once

#include <string>
#include <vector>

namespace tenukiro {

// The idle watcher on a Wayland session: ext-idle-notify where the compositor offers it,
// else KDE's older idle protocol.
int WatchWaylandIdle(int seconds, const std::vector<std::string>& showArguments);

}  // namespace tenukiro

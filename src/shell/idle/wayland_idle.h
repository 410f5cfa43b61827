#pragma once

#include <string>
#include <vector>

namespace tenukiro {

class TerminationSignals;
class WaylandSession;

// Whether the compositor tells idle time itself: ext-idle-notify, or KDE's older idle protocol.
bool CompositorTellsIdleTime(const WaylandSession& session);

// The idle watcher on a Wayland session through the compositor's own idle notifications:
// ext-idle-notify where offered, else KDE's protocol.
int WatchWaylandIdle(WaylandSession& session, int seconds, const std::vector<std::string>& showArguments,
                     const TerminationSignals& signals);

}  // namespace tenukiro

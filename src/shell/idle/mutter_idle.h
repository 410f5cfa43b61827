#pragma once

#include <string>
#include <vector>

struct wl_display;

namespace tenukiro {

class MutterIdleMonitor;
class TerminationSignals;

// The idle watcher through GNOME's idle monitor (on a Wayland session whose compositor tells no
// idle time itself). It sleeps on the bus until a watch fires; the bus or the monitor going
// away ends it as the session's display closing does (`compositor`, when not null, is that
// display), and so does SIGTERM: with 0, ending a running show.
int WatchMutterIdle(MutterIdleMonitor& monitor, int seconds, const std::vector<std::string>& showArguments,
                    const TerminationSignals& signals, wl_display* compositor);

}  // namespace tenukiro

#pragma once

#include <string>
#include <vector>

namespace tenukiro {

class TerminationSignals;

// The idle watcher on an X11 session, from the MIT-SCREEN-SAVER extension's idle time.
int WatchX11Idle(int seconds, const std::vector<std::string>& showArguments, const TerminationSignals& signals);

}  // namespace tenukiro

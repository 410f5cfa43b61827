#pragma once

#include <string>
#include <vector>

namespace tenukiro {

// Waits in the session and runs the saver (this program with `showArguments`) each time the
// session has been idle for `seconds`: through the compositor's idle notifications on Wayland
// (ext-idle-notify, else KDE's idle protocol, else GNOME's idle monitor on the session bus),
// through MIT-SCREEN-SAVER's idle time on X11. The compositor and the X server count idle
// inhibitors (a video playing) as the session's own. Ends with 0 when the display connection
// closes or on SIGTERM, ending a running show; 1 with a message when it cannot watch.
int RunIdleWatcher(int seconds, const std::vector<std::string>& showArguments);

}  // namespace tenukiro

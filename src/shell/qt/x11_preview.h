#pragma once

#include "settings/profile.h"
#include "shell/launch_options.h"

namespace tenukiro {

// Runs the show inside a window that another program owns (a preview window, the
// window XScreenSaver names, or the root window), drawing with plain Xlib so that
// it follows the window's size; returns when that window is destroyed or on SIGTERM.
int RunX11Preview(Profile& profile, const PreviewTarget& target);

}  // namespace tenukiro

#pragma once

#include <vector>

#include "shell/monitors.h"

// Xlib's own types, without its macros in the header.
typedef struct _XDisplay Display;

namespace tenukiro {

// The X screen's monitors through RandR 1.5; without it (or with no monitor listed),
// the root window as the one primary monitor.
std::vector<Monitor> X11Monitors(Display* display);

// Where a window lies on the root window; empty when it is gone.
Rect X11WindowArea(Display* display, unsigned long window);

}  // namespace tenukiro

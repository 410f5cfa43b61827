#pragma once

#include <cstdint>

namespace tenukiro {

// The window the desktop calls active (_NET_ACTIVE_WINDOW of the root window), or 0
// when there is no X11 display or no window manager that names one.
uint64_t ActiveX11Window();

}  // namespace tenukiro

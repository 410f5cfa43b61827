#pragma once

#include <span>
#include <vector>

#include "render/geometry.h"

namespace tenukiro {

// A monitor as the display server reports it: where it lies on the desktop and
// whether it is the primary one. Every host (X11, Wayland, Windows) describes its
// monitors so, and the rules below decide the rest.
struct Monitor {
  Rect area;
  bool primary = false;
  friend bool operator==(const Monitor&, const Monitor&) = default;
};

// The monitor marked primary, else the first one of some area; nullptr when there is none.
const Monitor* PrimaryMonitor(std::span<const Monitor> monitors);

// The screen size a show in `window` (desktop coordinates) is scaled against. A window
// that covers monitors wholly is scaled against the smallest rectangle around them: one
// monitor gives its own size, and a window over two monitors side by side gets their
// joint width, so its stones keep the size they have on either. Any other window (a
// preview) is scaled against the primary monitor, so that its miniature keeps the
// proportions of the full-screen show. With no monitor known, `fallback`.
Size ScaleScreenFor(const Rect& window, std::span<const Monitor> monitors, Size fallback);

enum class MonitorUse { Show, Black, Nothing };

// What the saver puts on each monitor, in the order given. The primary always gets
// the show. With `allScreens` every other monitor gets a show of its own; without, a
// black window. A monitor that overlaps one with a show gets nothing (a mirror shows
// that show already, and a window there would cover it), nor does a second copy of a
// black one, nor a monitor of no area.
std::vector<MonitorUse> PlanSaverMonitors(std::span<const Monitor> monitors, bool allScreens);

}  // namespace tenukiro

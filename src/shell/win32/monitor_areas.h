#pragma once

#include <windows.h>

#include <vector>

namespace tenukiro {

// The monitors' rectangles in screen pixels, the primary monitor's first; the primary screen's
// size alone when the system lists none.
std::vector<RECT> MonitorAreas();

}  // namespace tenukiro

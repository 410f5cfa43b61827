#pragma once

#include <span>
#include <vector>

#include "render/geometry.h"

namespace tenukiro {

// The screens the saver blanks beside the primary one, which shows the show: every
// other screen once, except those that overlap the primary (a mirrored screen shows
// the show already, and a black window there would cover it). Screens of no area
// are left alone.
std::vector<Rect> ScreensToBlank(std::span<const Rect> screens, const Rect& primary);

}  // namespace tenukiro

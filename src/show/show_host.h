#pragma once

#include <cstdint>

#include "render/geometry.h"
#include "render/raster.h"

namespace tenukiro {

// What the show asks of the window it runs in. The host forwards creation, timer
// ticks and paints to the show and presents the pixels; it decides nothing itself.
class ShowHost {
 public:
  virtual ~ShowHost() = default;

  virtual Size ClientSize() const = 0;
  // The screen the show is scaled against (the client area itself when full screen).
  virtual Size ScreenSize() const = 0;
  // The window's pixels, the size of the client area: the show draws into it and
  // the host presents what changed.
  virtual Raster& Surface() = 0;
  // (Re)starts the show's timer with this interval in milliseconds.
  virtual void ArmTimer(int intervalMs) = 0;
  // The given part of the surface changed and should reach the screen.
  virtual void Present(const Rect& changed) = 0;
  // Milliseconds of a monotonic clock.
  virtual uint32_t TickCount() const = 0;
};

}  // namespace tenukiro

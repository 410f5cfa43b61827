#pragma once

#include "render/geometry.h"

namespace tenukiro {

// When a surface's changed pixels go to the compositor: at once while no frame is on its way,
// else when the compositor says the last one was shown (its frame callback). Changes made in
// between gather into one rectangle, so a show never draws faster than the screen shows.
class FramePacer {
 public:
  // Part of the surface changed: true when a frame may be sent now.
  bool Changed(const Rect& changed);
  // The frame on its way was shown: true when changes wait to be sent.
  bool FrameShown();
  // What changed since the last frame, which is now on its way.
  Rect TakeChanges();

  bool FrameOnItsWay() const { return frameOnItsWay_; }
  bool HasChanges() const { return !changes_.IsEmpty(); }

 private:
  Rect changes_;
  bool frameOnItsWay_ = false;
};

// The smallest rectangle holding both; an empty one adds nothing.
Rect Union(const Rect& a, const Rect& b);

}  // namespace tenukiro

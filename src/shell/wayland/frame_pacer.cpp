#include "shell/wayland/frame_pacer.h"

#include <algorithm>

namespace tenukiro {

Rect Union(const Rect& a, const Rect& b) {
  if (a.IsEmpty()) return b.IsEmpty() ? Rect{} : b;
  if (b.IsEmpty()) return a;
  return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

bool FramePacer::Changed(const Rect& changed) {
  changes_ = Union(changes_, changed);
  return !frameOnItsWay_ && !changes_.IsEmpty();
}

bool FramePacer::FrameShown() {
  frameOnItsWay_ = false;
  return !changes_.IsEmpty();
}

Rect FramePacer::TakeChanges() {
  const Rect taken = changes_;
  changes_ = Rect{};
  frameOnItsWay_ = true;
  return taken;
}

}  // namespace tenukiro

#pragma once

#include <vector>

#include "render/geometry.h"

namespace tenukiro {

// The drawable area of a canvas: a box minus a few excluded rectangles. This covers what the
// drawing code needs from GDI regions: ExcludeClipRect, giving an excluded rectangle back, and
// clipping to one rectangle.
class ClipRegion {
 public:
  explicit ClipRegion(const Rect& bounds = Rect{});

  const Rect& box() const { return box_; }

  void Reset(const Rect& bounds);
  void Intersect(const Rect& r);
  void Exclude(const Rect& r);
  // Gives back what was excluded inside r (the RGN_OR of an excluded rectangle); the box does not grow.
  void GiveBack(const Rect& r);

  bool Contains(int x, int y) const;

  // Calls fn(x0, x1) for every visible piece [x0, x1) of the span [x0, x1) of row y.
  template <typename Fn>
  void ForEachVisibleSpan(int y, int x0, int x1, Fn&& fn) const;

 private:
  void SplitSpan(int y, int x0, int x1, std::vector<std::pair<int, int>>& out) const;

  Rect box_;
  std::vector<Rect> excluded_;
};

template <typename Fn>
void ClipRegion::ForEachVisibleSpan(int y, int x0, int x1, Fn&& fn) const {
  if (y < box_.top || y >= box_.bottom) return;
  x0 = std::max(x0, box_.left);
  x1 = std::min(x1, box_.right);
  if (x0 >= x1) return;
  if (excluded_.empty()) {
    fn(x0, x1);
    return;
  }
  std::vector<std::pair<int, int>> pieces;
  SplitSpan(y, x0, x1, pieces);
  for (const auto& [a, b] : pieces) fn(a, b);
}

}  // namespace tenukiro

#include "render/clip_region.h"

namespace tenukiro {
namespace {

// The parts of a that lie outside b: at most four rectangles.
void Subtract(const Rect& a, const Rect& b, std::vector<Rect>& out) {
  const Rect overlap = Intersect(a, b);
  if (overlap.IsEmpty()) {
    out.push_back(a);
    return;
  }
  const Rect pieces[] = {
      {a.left, a.top, a.right, overlap.top},
      {a.left, overlap.bottom, a.right, a.bottom},
      {a.left, overlap.top, overlap.left, overlap.bottom},
      {overlap.right, overlap.top, a.right, overlap.bottom},
  };
  for (const Rect& p : pieces) {
    if (!p.IsEmpty()) out.push_back(p);
  }
}

}  // namespace

ClipRegion::ClipRegion(const Rect& bounds) : box_(bounds.IsEmpty() ? Rect{} : bounds) {}

void ClipRegion::Reset(const Rect& bounds) {
  box_ = bounds.IsEmpty() ? Rect{} : bounds;
  excluded_.clear();
}

void ClipRegion::Intersect(const Rect& r) { box_ = tenukiro::Intersect(box_, r); }

void ClipRegion::Exclude(const Rect& r) {
  const Rect inside = tenukiro::Intersect(box_, r);
  if (!inside.IsEmpty()) excluded_.push_back(inside);
}

void ClipRegion::GiveBack(const Rect& r) {
  std::vector<Rect> remaining;
  for (const Rect& e : excluded_) Subtract(e, r, remaining);
  excluded_ = std::move(remaining);
}

bool ClipRegion::Contains(int x, int y) const {
  if (!box_.Contains(x, y)) return false;
  for (const Rect& e : excluded_) {
    if (e.Contains(x, y)) return false;
  }
  return true;
}

void ClipRegion::SplitSpan(int y, int x0, int x1, std::vector<std::pair<int, int>>& out) const {
  out.assign(1, {x0, x1});
  for (const Rect& e : excluded_) {
    if (y < e.top || y >= e.bottom) continue;
    std::vector<std::pair<int, int>> next;
    for (const auto& [a, b] : out) {
      if (a < e.left) next.emplace_back(a, std::min(b, e.left));
      if (b > e.right) next.emplace_back(std::max(a, e.right), b);
    }
    out = std::move(next);
  }
}

}  // namespace tenukiro

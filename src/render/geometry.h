#pragma once

#include <algorithm>

namespace tenukiro {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle with right and bottom exclusive, as in Win32 RECT.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;

  // Widths are computed in 64 bits: callers may pass any coordinates.
  long long Width() const { return static_cast<long long>(right) - left; }
  long long Height() const { return static_cast<long long>(bottom) - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

inline Rect Intersect(const Rect& a, const Rect& b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  return r.IsEmpty() ? Rect{} : r;
}

// Grows a rectangle by d on every side, saturating instead of overflowing.
Rect Inflate(const Rect& r, int d);

// A rectangle at (x, y) of the given size, saturating at the int range.
Rect RectAt(int x, int y, int width, int height);

}  // namespace tenukiro

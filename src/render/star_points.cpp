#include "render/star_points.h"

namespace tenukiro {
namespace {

bool IsCentre(int x, int y, int nx, int ny) {
  return nx % 2 == 1 && ny % 2 == 1 && nx >= 7 && ny >= 7 && x == (nx + 1) / 2 && y == (ny + 1) / 2;
}

bool IsCorner(int x, int y, int nx, int ny) {
  return nx >= 13 && ny >= 13 && (x == 4 || x == nx - 3) && (y == 4 || y == ny - 3);
}

bool IsSide(int x, int y, int nx, int ny) {
  if (nx % 2 == 0 || ny % 2 == 0 || nx < 19 || ny < 19) return false;
  const int mx = (nx + 1) / 2;
  const int my = (ny + 1) / 2;
  return ((x == 4 || x == nx - 3) && y == my) || (x == mx && (y == 4 || y == ny - 3));
}

}  // namespace

bool IsStarPoint(int x, int y, int nx, int ny) {
  return IsCentre(x, y, nx, ny) || IsCorner(x, y, nx, ny) || IsSide(x, y, nx, ny);
}

}  // namespace tenukiro

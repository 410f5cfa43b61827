#include "render/cell_text.h"

#include <algorithm>

namespace tenukiro {

void DrawCellText(Canvas& canvas, Point c, int R, std::string_view text, Color color) {
  const int r = R - 1;
  if (r <= 5) {
    canvas.MoveTo(Point{c.x, c.y - r / 2});
    canvas.LineTo(Point{c.x, c.y + r - r / 2}, Pen{color});
    return;
  }
  // The narrow face keeps three digits inside the cell once the font grows.
  canvas.SelectFont(Font(r < 10 ? "Arial" : "Arial Narrow", std::max(1, 6 * r / 4)));
  canvas.SetBkMode(BkMode::kTransparent);
  canvas.SetTextColor(color);
  canvas.SetTextAlign(TextAlign::kCenterTop);
  canvas.TextOutClipped(c.x, c.y - 3 * r / 4, Rect{c.x - r, c.y - r, c.x + r + 1, c.y + r + 1}, text);
}

}  // namespace tenukiro

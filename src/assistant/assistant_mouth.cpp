#include "assistant/assistant.h"

namespace tenukiro {

// The mouth lies about 1.25 U below the body's centre line: a straight segment, a centred arc,
// or a quarter arc at one side of the face. Small units leave no room for the side arcs.
void CAssistant::DrawMouth(Canvas& canvas, const Pose& pose, Point centre) const {
  if (pose.mouth == MouthShape::None) return;
  const int U = units_.U;
  const int k = units_.k;
  const int cx = centre.x;
  const int cy = centre.y;
  const bool left = pose.mouthPlace == MouthPlace::SmallLeft;
  const bool right = pose.mouthPlace == MouthPlace::SmallRight;
  if ((left || right) && U < 4) return;
  const int a = pose.mouthPlace == MouthPlace::MediumCentre ? U : pose.mouthPlace == MouthPlace::WideCentre ? U + k : k;
  const int mx = left ? cx - 2 * U - k : right ? cx + 2 * U + k : cx;
  const Pen pen{colours_.intern};

  if (pose.mouth == MouthShape::Straight || ((left || right) && U < 6)) {
    const int y = cy + U + U / 4 + 1;
    const int x = right ? cx + 2 * U + k - 1 : mx;
    canvas.MoveTo(Point{x - a, y});
    canvas.LineTo(Point{x + a + 1, y}, pen);
    return;
  }
  const bool frown = pose.mouth == MouthShape::Frown;
  if (!left && !right) {
    if (frown) {
      canvas.Arc(Rect{cx - a, cy + U + k, cx + a + 1, cy + 2 * U}, Point{cx + a, cy + U + k + U / 4},
                 Point{cx - a, cy + U + k + U / 4}, pen);
    } else {
      canvas.Arc(Rect{cx - a, cy + U + 1, cx + a + 1, cy + U + 2 * (U / 4) + 2}, Point{cx - a, cy + U + U / 4 + 1},
                 Point{cx + a + 1, cy + U + U / 4}, pen);
    }
    return;
  }
  // A quarter of the ellipse, the corner of the mouth at the side of the face.
  const Point inner{mx, cy + U + k};
  if (frown) {
    const Rect box{mx - 2 * k, cy + U + k, mx + 2 * k + 1, cy + 2 * U};
    const int y = cy + U + k + U / 4;
    if (left) canvas.Arc(box, Point{mx + k, y}, inner, pen);
    else canvas.Arc(box, inner, Point{mx - k, y}, pen);
  } else {
    const Rect box{mx - 2 * k, cy + U + 1, mx + 2 * k + 1, cy + U + k + 1};
    const int y = cy + U + U / 4 + 1;
    if (left) canvas.Arc(box, inner, Point{mx + k, y}, pen);
    else canvas.Arc(box, Point{mx - k, y}, inner, pen);
  }
}

}  // namespace tenukiro

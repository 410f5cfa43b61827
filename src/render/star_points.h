#pragma once

namespace tenukiro {

// Whether (x, y) is a star point of a board of nx columns and ny rows: the centre of odd boards
// from 7 up, the four corner points from 13 up, the four side points of odd boards from 19 up.
bool IsStarPoint(int x, int y, int nx, int ny);

}  // namespace tenukiro

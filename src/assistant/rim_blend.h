#pragma once

#include "render/canvas.h"

namespace tenukiro {

// Softens the edge of an elliptic shape composed into a block of `dst`: on a narrow elliptic
// ring around the block's centre each pixel fades from its own colour (inside) to the colour of
// the matching pixel of `src` (outside). Pixels off the ring are left alone; pixels are read and
// written one by one, so the destination's clipping holds (a pixel outside it reads as the
// invalid colour and is not written).
void RimBlend(Canvas& dst, Point dstAt, const Canvas& src, Point srcAt, Size size);

}  // namespace tenukiro

#pragma once

#include <string_view>

#include "render/canvas.h"

namespace tenukiro {

// Writes a short text centred in the cell around centre c, for stone radius R: below R = 7 a
// short vertical tick stands for it, the text would not be legible.
void DrawCellText(Canvas& canvas, Point c, int R, std::string_view text, Color color);

}  // namespace tenukiro

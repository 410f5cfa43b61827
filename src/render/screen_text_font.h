#pragma once

#include "render/font.h"

namespace tenukiro {

// The texts beside the board (the comment box, the balloon, the game information) are written in
// Arial of weight 400, 6(R - 1)/4 pixels high for stones of radius R, and at least one pixel.
int ScreenTextHeight(int rMinus1);
Font ScreenTextFont(int rMinus1);
// The same face at a height worked out before.
Font ScreenTextFontOfHeight(int height);

}  // namespace tenukiro

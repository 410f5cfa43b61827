#include "render/screen_text_font.h"

#include <algorithm>

namespace tenukiro {

int ScreenTextHeight(int rMinus1) { return std::max(1, 6 * rMinus1 / 4); }

Font ScreenTextFont(int rMinus1) { return ScreenTextFontOfHeight(ScreenTextHeight(rMinus1)); }

Font ScreenTextFontOfHeight(int height) { return Font("Arial", height, 400); }

}  // namespace tenukiro

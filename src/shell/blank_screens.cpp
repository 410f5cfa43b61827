#include "shell/blank_screens.h"

#include <algorithm>

namespace tenukiro {

std::vector<Rect> ScreensToBlank(std::span<const Rect> screens, const Rect& primary) {
  std::vector<Rect> blank;
  for (const Rect& screen : screens) {
    if (screen.IsEmpty() || !Intersect(screen, primary).IsEmpty()) continue;
    if (std::find(blank.begin(), blank.end(), screen) == blank.end()) blank.push_back(screen);
  }
  return blank;
}

}  // namespace tenukiro

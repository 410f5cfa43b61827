#include "shell/wayland/show_outputs.h"

#include <algorithm>

namespace tenukiro {

std::vector<bool> OutputsThatShow(const std::vector<bool>& showingNow, bool allScreens) {
  std::vector<bool> shows(showingNow.size(), allScreens);
  if (allScreens || showingNow.empty()) return shows;
  const auto current = std::find(showingNow.begin(), showingNow.end(), true);
  shows[current == showingNow.end() ? 0 : static_cast<size_t>(current - showingNow.begin())] = true;
  return shows;
}

}  // namespace tenukiro

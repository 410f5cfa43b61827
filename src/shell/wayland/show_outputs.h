#pragma once

#include <vector>

namespace tenukiro {

// Which outputs, in the order the compositor announced them, carry a show and which stay
// black. With `allScreens` every output shows; otherwise exactly one does: the one showing
// now while it is there, else the first. `showingNow` says which show at present (an output
// just added is false).
std::vector<bool> OutputsThatShow(const std::vector<bool>& showingNow, bool allScreens);

}  // namespace tenukiro

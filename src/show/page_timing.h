#pragma once

#include <cstdint>

#include "assistant/show_surroundings.h"
#include "show/position_timing.h"
#include "show/show_state.h"

namespace tenukiro {

// After the assistant spoke: the state follows whether text remains (next position and more
// pages swap; next pose stays), and a page of n lines makes the wait T = base + n x line time,
// spread over the position's poses, the last pose waiting at least what is left of T.
void HandBackBalloonPage(int lines, bool textRemains, PositionTiming& position, ShowTiming& show);

// After the comment box under the board wrote a page: more pages while text remains, and a page
// of n lines waits T = base + n x line time.
void HandBackBoxPage(int lines, bool textRemains, const PositionTiming& position, ShowTiming& show);

// The page the surroundings last wrote, balloon or box; a drawing that wrote none leaves both.
void HandBackPage(const WrittenPage& page, PositionTiming& position, ShowTiming& show);

}  // namespace tenukiro

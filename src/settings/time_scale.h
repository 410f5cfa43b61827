#pragma once

#include <cstdint>

namespace tenukiro {

// Display times are stored as positions 0..100 of a logarithmic slider:
// 0 is 10 ms, 20 is 100 ms, 40 is 1 s, 60 is 10 s, 100 is 1000 s.
int32_t TimeIndexToMs(int32_t index);  // indices outside 0..100 go to the nearest end
int32_t MsToTimeIndex(int32_t ms);     // 20 * (log10(ms) - 1), truncated toward zero

}  // namespace tenukiro

#pragma once

#include <cstdint>
#include <string>

namespace tenukiro {

// The value tip of a time slider at `position`: the time in seconds with four
// significant digits ("9.000 s", "10.00 s", "100.0 s"), the decimal point written
// as a comma in French.
std::string TimeTipText(int32_t position, bool french);

}  // namespace tenukiro

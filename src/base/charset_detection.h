#pragma once

#include <string>
#include <string_view>

namespace tenukiro {

// The charset the system's detector finds in `sample`, text known to be neither ASCII nor UTF-8,
// under the detector's own name for it ("SHIFT_JIS", "BIG5", "WINDOWS-1251"); empty when it
// finds none. Only an answer that AcceptDetectedCharset takes is worth using.
std::string DetectCharset(std::string_view sample);

}  // namespace tenukiro

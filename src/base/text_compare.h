#pragma once

#include <string_view>

namespace tenukiro {

// Whether two texts are equal when ASCII letters are compared without regard to case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tenukiro

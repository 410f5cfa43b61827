#pragma once

#include <string_view>

namespace tenukiro {

// Whether `name` is a value name of the "Config" section: a setting (colours by
// their Red, Green and Blue parts), a file list entry, or one of the other values.
bool IsProfileValueName(std::string_view name);

}  // namespace tenukiro

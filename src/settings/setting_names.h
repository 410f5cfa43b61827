#pragma once

#include <string_view>

namespace tenukiro {

// What a value name of the "Config" section holds: a number (a setting, colours
// by their Red, Green and Blue parts, and most other values) or a text (a file list
// entry, a folder or a pattern file name); Unknown for any other name.
enum class ProfileValueKind { Unknown, Number, Text };
ProfileValueKind KindOfProfileValue(std::string_view name);

bool IsProfileValueName(std::string_view name);

}  // namespace tenukiro

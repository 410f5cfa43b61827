#pragma once

#include <filesystem>
#include <string_view>

namespace tenukiro {

// The file system's path for a UTF-8 path text: the program keeps paths as UTF-8, and a system
// whose file names are wide characters must be handed them as such.
inline std::filesystem::path FilePath(std::string_view utf8) {
  return std::filesystem::path(std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

}  // namespace tenukiro

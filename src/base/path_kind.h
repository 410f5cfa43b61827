#pragma once

#include <string_view>

namespace tenukiro {

// Whether a path starts from the root of a file system (or a drive, or a network share)
// rather than from the current folder.
bool IsAbsolutePath(std::string_view path);

// Whether a character separates the folders of a path.
bool IsPathSeparator(char c);

}  // namespace tenukiro

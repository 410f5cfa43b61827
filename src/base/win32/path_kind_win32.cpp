#include "base/path_kind.h"

namespace tenukiro {

// "C:\x", "C:/x", "\\server\share" and "\x" (the current drive's root) are absolute; "C:x" is
// relative to the drive's current folder.
bool IsAbsolutePath(std::string_view path) {
  if (!path.empty() && IsPathSeparator(path[0])) return true;
  const bool driveLetter = path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  return driveLetter && path[1] == ':' && IsPathSeparator(path[2]);
}

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace tenukiro

#include "base/path_kind.h"

namespace tenukiro {

bool IsAbsolutePath(std::string_view path) { return path.starts_with('/'); }

bool IsPathSeparator(char c) { return c == '/'; }

}  // namespace tenukiro

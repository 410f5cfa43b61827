#pragma once

#include <string>

namespace tenukiro {

// The running program's own file path, however long; empty when Windows cannot tell it.
std::wstring ProgramPath();

}  // namespace tenukiro

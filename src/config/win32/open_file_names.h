#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tenukiro {

// The full paths in the name buffer of a multiple-selection file-open dialog: one
// path, or a folder followed by names, each ended by a zero, the list by a second
// one. Names are joined to the folder with a backslash.
std::vector<std::wstring> SplitOpenFileNames(const wchar_t* buffer, size_t size);

}  // namespace tenukiro

#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace tenukiro {

// The bytes of a regular file, with one spare byte after them; `path` is UTF-8.
struct WholeFile {
  std::unique_ptr<char[]> bytes;
  std::size_t size = 0;
};

// Reads a regular file whole. Opening does not wait: a named pipe would otherwise hold the
// show until someone writes to it. False for anything that is not a readable regular file. On
// Windows a data file missing beside the program is read from the program's own copy of it.
bool ReadRegularFile(const std::string& path, WholeFile& file);

}  // namespace tenukiro

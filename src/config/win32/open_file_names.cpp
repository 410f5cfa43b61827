#include "config/win32/open_file_names.h"

#include <cstring>

namespace tenukiro {

std::vector<std::string> SplitOpenFileNames(const char* buffer, size_t size) {
  std::vector<std::string> parts;
  for (size_t at = 0; at < size && buffer[at] != '\0';) {
    const size_t length = strnlen(buffer + at, size - at);
    parts.emplace_back(buffer + at, length);
    at += length + 1;
  }
  if (parts.size() <= 1) return parts;
  // A folder that is a drive's root already ends with its separator.
  std::string folder = parts.front();
  if (folder.back() != '\\') folder += '\\';
  std::vector<std::string> paths;
  for (size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
  return paths;
}

}  // namespace tenukiro

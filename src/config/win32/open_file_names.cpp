#include "config/win32/open_file_names.h"

#include <cwchar>

namespace tenukiro {

std::vector<std::wstring> SplitOpenFileNames(const wchar_t* buffer, size_t size) {
  std::vector<std::wstring> parts;
  for (size_t at = 0; at < size && buffer[at] != L'\0';) {
    const size_t length = wcsnlen(buffer + at, size - at);
    parts.emplace_back(buffer + at, length);
    at += length + 1;
  }
  if (parts.size() <= 1) return parts;
  // A folder that is a drive's root already ends with its separator.
  std::wstring folder = parts.front();
  if (folder.back() != L'\\') folder += L'\\';
  std::vector<std::wstring> paths;
  for (size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
  return paths;
}

}  // namespace tenukiro

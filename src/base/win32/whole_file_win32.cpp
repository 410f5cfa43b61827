#include "base/whole_file.h"

#include <windows.h>

#include <algorithm>
#include <new>

#include "base/win32/embedded_file.h"
#include "base/win32/wide_text.h"

namespace tenukiro {
namespace {

// A data file missing beside the program is read from the copy the program carries.
bool ReadEmbeddedCopy(const std::string& path, WholeFile& result) {
  const std::string_view bytes = EmbeddedCopyOf(path);
  if (bytes.empty()) return false;
  result.bytes.reset(new (std::nothrow) char[bytes.size() + 1]);
  if (!result.bytes) return false;
  bytes.copy(result.bytes.get(), bytes.size());
  result.size = bytes.size();
  return true;
}

}  // namespace

bool ReadRegularFile(const std::string& path, WholeFile& result) {
  if (path.empty()) return false;
  HANDLE file = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) && ReadEmbeddedCopy(path, result);
  }
  LARGE_INTEGER size{};
  bool ok = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart >= 0;
  std::unique_ptr<char[]> buffer;
  if (ok) buffer.reset(new (std::nothrow) char[static_cast<size_t>(size.QuadPart) + 1]);
  size_t done = 0;
  ok = ok && buffer;
  while (ok && done < static_cast<size_t>(size.QuadPart)) {
    const size_t left = static_cast<size_t>(size.QuadPart) - done;
    DWORD got = 0;
    ok = ReadFile(file, buffer.get() + done, static_cast<DWORD>(std::min<size_t>(left, 1 << 30)), &got, nullptr);
    if (got == 0) break;  // the file shrank while being read
    done += got;
  }
  CloseHandle(file);
  if (!ok) return false;
  result.bytes = std::move(buffer);
  result.size = done;
  return true;
}

}  // namespace tenukiro

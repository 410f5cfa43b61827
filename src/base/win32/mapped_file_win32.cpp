#include "base/mapped_file.h"

#include <windows.h>

#include "base/win32/embedded_file.h"
#include "base/win32/wide_text.h"

namespace tenukiro {

namespace {

// A data file missing beside the program (the bundled record) is read from the copy the program
// carries, placed in memory of its own so that the reader may rewrite it as it rewrites a file's.
char* MapEmbeddedCopy(const std::string& path, std::size_t& size) {
  const std::string_view bytes = EmbeddedCopyOf(path);
  if (bytes.empty()) return nullptr;
  HANDLE memory = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                     static_cast<DWORD>(bytes.size()), nullptr);
  if (!memory) return nullptr;
  void* view = MapViewOfFile(memory, FILE_MAP_WRITE, 0, 0, 0);
  CloseHandle(memory);
  if (!view) return nullptr;
  bytes.copy(static_cast<char*>(view), bytes.size());
  size = bytes.size();
  return static_cast<char*>(view);
}

}  // namespace

std::unique_ptr<MappedFile> MappedFile::Open(const std::string& path) {
  if (path.empty()) return nullptr;
  HANDLE file = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) return nullptr;
    std::size_t size = 0;
    char* copy = MapEmbeddedCopy(path, size);
    return copy ? std::unique_ptr<MappedFile>(new MappedFile(path, copy, size)) : nullptr;
  }
  LARGE_INTEGER size{};
  const bool disk = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart >= 0;
  HANDLE mapping = nullptr;
  // An empty file cannot be mapped; it reads as an empty range.
  if (disk && size.QuadPart > 0) mapping = CreateFileMappingW(file, nullptr, PAGE_WRITECOPY, 0, 0, nullptr);
  CloseHandle(file);
  if (!disk || (size.QuadPart > 0 && !mapping)) return nullptr;
  if (!mapping) return std::unique_ptr<MappedFile>(new MappedFile(path, nullptr, 0));
  // Copy-on-write: the reader rewrites what it reads, in its own copies of the pages.
  void* view = MapViewOfFile(mapping, FILE_MAP_COPY, 0, 0, 0);
  CloseHandle(mapping);
  if (!view) return nullptr;
  return std::unique_ptr<MappedFile>(
      new MappedFile(path, static_cast<char*>(view), static_cast<std::size_t>(size.QuadPart)));
}

MappedFile::~MappedFile() {
  if (bytes_) UnmapViewOfFile(bytes_);
}

// The copies that writing made cannot be dropped from a view without ending it; they stay until
// the record is unloaded.
void MappedFile::Forget(std::size_t) {}

// A file cannot be cut short on Windows while a view of it exists (SetEndOfFile fails), so a
// mapping never faults for that reason and the work runs as it is.
bool RunGuarded(const void*, std::size_t, void (*work)(void*), void* context) {
  work(context);
  return true;
}

}  // namespace tenukiro

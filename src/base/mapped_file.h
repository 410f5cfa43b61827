#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <type_traits>

namespace tenukiro {

// A regular file mapped into memory copy-on-write: its pages are read from the file when they are
// first touched, and writing to one makes a private copy of it; the file itself never changes.
// So a file of several gigabytes costs only the pages that have been looked at.
class MappedFile {
 public:
  // The file at `path` (UTF-8), mapped whole; null for anything that is not a readable regular
  // file or cannot be mapped. Opening does not wait on a named pipe. An empty file maps to an
  // empty range.
  static std::unique_ptr<MappedFile> Open(const std::string& path);
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  char* Bytes() const { return bytes_; }
  std::size_t Size() const { return size_; }
  const std::string& Path() const { return path_; }

  // The pages wholly before `offset` will not be looked at again: their memory is given back.
  void Forget(std::size_t offset);

 private:
  MappedFile(std::string path, char* bytes, std::size_t size) : path_(std::move(path)), bytes_(bytes), size_(size) {}

  std::string path_;
  char* bytes_;
  std::size_t size_;
  std::size_t forgotten_ = 0;
};

// Runs `work(context)` and returns true. When `work` touches a byte of [start, start + size)
// whose page cannot be read because the file behind it was cut short meanwhile, `work` is ended
// at that point and false is returned. `work` must not own anything that needs cleaning up.
bool RunGuarded(const void* start, std::size_t size, void (*work)(void*), void* context);

// The same for any callable.
template <class Work>
bool RunGuarded(const MappedFile& file, Work&& work) {
  using Callable = std::remove_reference_t<Work>;
  return RunGuarded(file.Bytes(), file.Size(), [](void* context) { (*static_cast<Callable*>(context))(); }, &work);
}

}  // namespace tenukiro

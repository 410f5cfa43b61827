#include "base/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

namespace tenukiro {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

bool ReadRegularFile(const std::string& path, WholeFile& result) {
  const FileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) return false;
  struct stat info;
  if (fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) return false;
  const size_t size = static_cast<size_t>(info.st_size);
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[size + 1]);
  if (!buffer) return false;
  size_t done = 0;
  while (done < size) {
    const ssize_t got = read(file.get(), buffer.get() + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;  // the file shrank while being read
    done += static_cast<size_t>(got);
  }
  result.bytes = std::move(buffer);
  result.size = done;
  return true;
}

}  // namespace tenukiro

#include "sgf/game_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <new>

#include "base/random_source.h"
#include "sgf/utf16_text.h"

namespace tenukiro {
namespace {

constexpr int kRandomMoves = 360;

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

// Reads straight into the buffer the parser will use, so the file is never copied (only a UTF-16
// file is turned into UTF-8).
// Opening does not wait: a named pipe would otherwise hold the show until someone writes to it.
bool ReadRegularFile(const std::string& path, SgfText& text) {
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
  TextBuffer read = Utf16ToUtf8(TextBuffer{std::move(buffer), done});
  text = SgfText(std::move(read.bytes), read.size);
  return true;
}

}  // namespace

SgfText MakeRandomGameText() {
  std::string text = "(;FF[4]AP[Vuko:v2.0]GM[1]SZ[19]";
  text.reserve(text.size() + kRandomMoves * 6 + 1);
  for (int i = 0; i < kRandomMoves; ++i) {
    const char column = static_cast<char>('a' + RandomInt(19));
    const char row = static_cast<char>('a' + RandomInt(19));
    const char move[] = {';', i % 2 == 0 ? 'B' : 'W', '[', column, row, ']'};
    text.append(move, sizeof move);
  }
  text += ')';
  return SgfText(text);
}

SgfText ReadGameFile(const std::string& path) {
  SgfText text;
  if (path.empty() || !ReadRegularFile(path, text)) return MakeRandomGameText();
  return text;
}

}  // namespace tenukiro

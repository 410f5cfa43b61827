#include "base/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csetjmp>
#include <csignal>
#include <mutex>

namespace tenukiro {
namespace {

std::size_t PageSize() {
  static const std::size_t size = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  return size;
}

// The guarded range of the running thread and where its fault returns to.
struct Guard {
  const char* start;
  std::size_t size;
  sigjmp_buf resume;
};
thread_local Guard* activeGuard = nullptr;
struct sigaction previousHandler;

// A page of a mapping beyond the end of its file raises SIGBUS. Inside a guarded range the fault
// returns to the guard; any other SIGBUS goes to whatever handled it before.
void OnBusError(int signal, siginfo_t* info, void* context) {
  Guard* guard = activeGuard;
  const char* address = static_cast<const char*>(info->si_addr);
  if (guard && address >= guard->start && address < guard->start + guard->size) siglongjmp(guard->resume, 1);
  if (previousHandler.sa_flags & SA_SIGINFO) {
    previousHandler.sa_sigaction(signal, info, context);
  } else if (previousHandler.sa_handler != SIG_IGN && previousHandler.sa_handler != SIG_DFL) {
    previousHandler.sa_handler(signal);
  } else {
    // Returning re-runs the faulting access, which then ends the program as it would have.
    sigaction(SIGBUS, &previousHandler, nullptr);
  }
}

void InstallHandlerOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &previousHandler);
  });
}

}  // namespace

std::unique_ptr<MappedFile> MappedFile::Open(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info;
  const bool regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0;
  const std::size_t size = regular ? static_cast<std::size_t>(info.st_size) : 0;
  void* bytes = nullptr;
  if (regular && size > 0) bytes = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_NORESERVE, fd, 0);
  close(fd);
  if (!regular || bytes == MAP_FAILED) return nullptr;
  if (bytes) madvise(bytes, size, MADV_SEQUENTIAL);
  return std::unique_ptr<MappedFile>(new MappedFile(path, static_cast<char*>(bytes), size));
}

MappedFile::~MappedFile() {
  if (bytes_) munmap(bytes_, size_);
}

// Dropping the pages of a private mapping throws away the copies that writing made; the file's
// own pages stay in the system's cache for whoever else reads them.
void MappedFile::Forget(std::size_t offset) {
  const std::size_t end = std::min(offset, size_) / PageSize() * PageSize();
  if (!bytes_ || end <= forgotten_) return;
  madvise(bytes_ + forgotten_, end - forgotten_, MADV_DONTNEED);
  forgotten_ = end;
}

bool RunGuarded(const void* start, std::size_t size, void (*work)(void*), void* context) {
  if (!start || size == 0) {
    work(context);
    return true;
  }
  InstallHandlerOnce();
  Guard guard{static_cast<const char*>(start), size, {}};
  Guard* const outer = activeGuard;
  if (sigsetjmp(guard.resume, 1) != 0) {
    activeGuard = outer;
    return false;
  }
  activeGuard = &guard;
  work(context);
  activeGuard = outer;
  return true;
}

}  // namespace tenukiro

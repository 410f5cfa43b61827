#include "shell/idle/show_process.h"

#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tenukiro {

bool ShowProcess::Start(const std::vector<std::string>& arguments, const sigset_t& mask) {
  if (Running()) return false;
  std::vector<char*> argv;
  std::string name = "tenukiro";
  argv.push_back(name.data());
  std::vector<std::string> copies = arguments;
  for (std::string& argument : copies) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setsigmask(&attributes, &mask);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
  pid_t pid = -1;
  const int error = posix_spawn(&pid, "/proc/self/exe", nullptr, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  if (error != 0) return false;
  pid_ = pid;
  fd_ = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
  if (fd_ < 0) {
    // Without a process descriptor there is no way to wait for it beside the display.
    Stop();
    return false;
  }
  return true;
}

void ShowProcess::Reap() {
  if (!Running()) return;
  waitpid(pid_, nullptr, 0);
  close(fd_);
  pid_ = -1;
  fd_ = -1;
}

void ShowProcess::Stop() {
  if (!Running()) return;
  kill(pid_, SIGTERM);
  Reap();
}

}  // namespace tenukiro

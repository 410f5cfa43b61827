#pragma once

#include <signal.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace tenukiro {

// The saver the idle watcher runs: this program again, as a process of its own, so that the
// watcher stays small while it waits and each show starts fresh.
class ShowProcess {
 public:
  ShowProcess() = default;
  ~ShowProcess() { Stop(); }
  ShowProcess(const ShowProcess&) = delete;
  ShowProcess& operator=(const ShowProcess&) = delete;

  // Starts /proc/self/exe with these arguments and signal mask: false when it cannot.
  bool Start(const std::vector<std::string>& arguments, const sigset_t& mask);
  bool Running() const { return pid_ > 0; }
  // Readable once the show has ended; -1 while none runs.
  int EndFd() const { return fd_; }
  // Collects the ended show.
  void Reap();
  // Ends a running show (SIGTERM) and waits for it.
  void Stop();

 private:
  pid_t pid_ = -1;
  int fd_ = -1;
};

}  // namespace tenukiro

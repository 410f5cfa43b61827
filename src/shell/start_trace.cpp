#include "shell/start_trace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <set>

namespace tenukiro {

void NoteFramePresented(const void* window) {
  static std::set<const void*> noted;
  if (!noted.insert(window).second) return;
  const char* launch = std::getenv("TENUKIRO_TRACE_START");
  if (launch == nullptr) return;
  const long long launchNs = std::strtoll(launch, nullptr, 10);
  const long long nowNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                              std::chrono::system_clock::now().time_since_epoch())
                              .count();
  // The C library's clock is the process's processor time (user and system) where POSIX rules.
  const long long processorMs = static_cast<long long>(std::clock()) * 1000 / CLOCKS_PER_SEC;
  std::fprintf(stderr, "tenukiro: first frame presented %lld ms after launch, %lld ms of processor time\n",
               (nowNs - launchNs) / 1000000, processorMs);
}

}  // namespace tenukiro

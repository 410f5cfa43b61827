#include "shell/start_trace.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace tenukiro {
namespace {

long Milliseconds(const timeval& t) { return t.tv_sec * 1000L + t.tv_usec / 1000; }

}  // namespace

void NoteFramePresented() {
  static bool noted = false;
  if (noted) return;
  noted = true;
  const char* launch = std::getenv("TENUKIRO_TRACE_START");
  if (launch == nullptr) return;
  const long long launchNs = std::strtoll(launch, nullptr, 10);
  const long long nowNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                              std::chrono::system_clock::now().time_since_epoch())
                              .count();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::fprintf(stderr, "tenukiro: first frame presented %lld ms after launch, %ld ms of processor time\n",
               (nowNs - launchNs) / 1000000, Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime));
}

}  // namespace tenukiro

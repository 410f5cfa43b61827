#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>

#include <chrono>

#include "shell/idle/show_process.h"

namespace tenukiro {
namespace {

// The process it starts is this test program again (/proc/self/exe), told what to do by
// GoogleTest's own options.
sigset_t NothingBlocked() {
  sigset_t mask;
  sigemptyset(&mask);
  return mask;
}

bool EndsWithin(const ShowProcess& process, int ms) {
  pollfd end{process.EndFd(), POLLIN, 0};
  return poll(&end, 1, ms) == 1;
}

TEST(ShowProcess, ItsEndIsSeenOnItsDescriptor) {
  ShowProcess process;
  EXPECT_FALSE(process.Running());
  EXPECT_EQ(process.EndFd(), -1);
  ASSERT_TRUE(process.Start({"--gtest_filter=NoSuchTest.*"}, NothingBlocked()));
  EXPECT_TRUE(process.Running());
  // One at a time: a second start while it runs is refused.
  EXPECT_FALSE(process.Start({"--gtest_filter=NoSuchTest.*"}, NothingBlocked()));
  ASSERT_TRUE(EndsWithin(process, 20000));
  process.Reap();
  EXPECT_FALSE(process.Running());
  EXPECT_EQ(process.EndFd(), -1);
  // And another may start after it.
  ASSERT_TRUE(process.Start({"--gtest_filter=NoSuchTest.*"}, NothingBlocked()));
  ASSERT_TRUE(EndsWithin(process, 20000));
}

TEST(ShowProcess, StopEndsOneThatWouldRunForever) {
  ShowProcess process;
  ASSERT_TRUE(process.Start({"--gtest_filter=IdleCycle.*", "--gtest_repeat=-1"}, NothingBlocked()));
  EXPECT_FALSE(EndsWithin(process, 300));
  const auto before = std::chrono::steady_clock::now();
  process.Stop();
  EXPECT_FALSE(process.Running());
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(10));
}

}  // namespace
}  // namespace tenukiro

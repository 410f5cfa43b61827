#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/idle/idle_cycle.h"

namespace tenukiro {
namespace {

// A story of events, one letter each: i idled, r resumed, e the show ended. The shows it
// starts are written as the letters of the idle events that started one.
std::string Starts(const std::string& events) {
  IdleCycle cycle;
  std::string started;
  for (const char event : events) {
    if (event == 'i') started += cycle.Idled() ? 'S' : '-';
    if (event == 'r') cycle.Resumed();
    if (event == 'e') cycle.ShowEnded();
  }
  return started;
}

TEST(IdleCycle, AShowAfterIdleTimeWithInputSinceTheLast) {
  struct Case {
    const char* events;
    const char* starts;
  };
  for (const Case& c : {
           Case{"i", "S"},
           Case{"ii", "S-"},          // idle again while a show runs: nothing more
           Case{"irei", "SS"},        // input ended it, idle again: the next show
           Case{"ieri", "SS"},        // it ended before the input was told
           Case{"iei", "S-"},         // ended without input: not again and again
           Case{"ieiri", "S-S"},      // until input comes
           Case{"irri", "S-"},        // input while it still runs does not start another
           Case{"irirei", "S-S"},
       }) {
    EXPECT_EQ(Starts(c.events), c.starts) << c.events;
  }
}

TEST(IdleCycle, TheX11WatcherSleepsUntilTheTimeoutCouldBeReached) {
  EXPECT_EQ(MsUntilIdleCheck(0, 3000), 3000);
  EXPECT_EQ(MsUntilIdleCheck(1200, 3000), 1800);
  EXPECT_EQ(MsUntilIdleCheck(2999, 3000), 1);
  // Past the timeout (a show ended with no input since): one timeout, not a busy loop.
  EXPECT_EQ(MsUntilIdleCheck(3000, 3000), 3000);
  EXPECT_EQ(MsUntilIdleCheck(uint64_t{1} << 40, 3000), 3000);
}

}  // namespace
}  // namespace tenukiro

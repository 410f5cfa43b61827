#include <gtest/gtest.h>

#include <string>

#include "shell/idle/mutter_watches.h"

namespace tenukiro {
namespace {

// A story, one letter each: I the idle watch fires, A the user-active watch fires, x a watch
// of someone else's fires, a the watcher adds a user-active watch where one is wanted. Told
// back: i idled, r resumed, R resumed then idled, - nothing, + a user-active watch added.
std::string Told(const std::string& story) {
  constexpr uint32_t kIdle = 1, kActive = 2, kOther = 9;
  MutterWatches watches(kIdle);
  std::string told;
  for (const char event : story) {
    if (event == 'a' && watches.WantsActiveWatch()) {
      watches.ActiveWatchAdded(kActive);
      told += '+';
    }
    if (event == 'a') continue;
    switch (watches.Fired(event == 'I' ? kIdle : event == 'A' ? kActive : kOther)) {
      case MutterWatches::Meaning::Idled:
        told += 'i';
        break;
      case MutterWatches::Meaning::Resumed:
        told += 'r';
        break;
      case MutterWatches::Meaning::ResumedThenIdled:
        told += 'R';
        break;
      case MutterWatches::Meaning::Unknown:
        told += '-';
        break;
    }
  }
  return told;
}

TEST(MutterWatches, IdleTimesAndTheInputThatEndsThem) {
  struct Case {
    const char* story;
    const char* told;
  };
  for (const Case& c : {
           Case{"a", ""},  // nothing to hear before the first idle time
           Case{"Ia", "i+"},
           Case{"IaA", "i+r"},
           Case{"IaAaIa", "i+ri+"},  // a new user-active watch for each idle time
           Case{"Iaa", "i+"},        // one at a time
           Case{"IaI", "i+R"},       // idle again: the input came before the watch was made
           Case{"IaIa", "i+R"},      // and the watch that waits still hears the next input
           Case{"II", "iR"},         // a user-active watch that could not be made
           Case{"IaAA", "i+r-"},     // a user-active watch fires once
           Case{"A", "-"},
           Case{"xIax", "-i+-"},
       }) {
    EXPECT_EQ(Told(c.story), c.told) << c.story;
  }
}

}  // namespace
}  // namespace tenukiro

#pragma once

#include <cstdint>
#include <optional>

namespace tenukiro {

// What Mutter's fired watches mean to the idle cycle. The idle watch stays and fires each time
// the session has been idle for its interval; a user-active watch fires once, at the next input,
// and is gone, so one is added after each idle time to hear the input that ends it.
class MutterWatches {
 public:
  enum class Meaning {
    Unknown,
    Idled,
    Resumed,
    // The idle watch fired again with no input heard since it last did: the idle time only
    // starts again after input, so there was some, before the user-active watch was made
    // (or when it could not be).
    ResumedThenIdled,
  };

  explicit MutterWatches(uint32_t idleWatch) : idleWatch_(idleWatch) {}
  // What the watch `id` firing means.
  Meaning Fired(uint32_t id);
  // Whether a user-active watch should be added: after an idle time, when none waits.
  bool WantsActiveWatch() const { return idleSinceInput_ && !active_; }
  void ActiveWatchAdded(uint32_t id) { active_ = id; }
  // The watches to remove at the end.
  uint32_t IdleWatch() const { return idleWatch_; }
  std::optional<uint32_t> ActiveWatch() const { return active_; }

 private:
  uint32_t idleWatch_;
  std::optional<uint32_t> active_;
  bool idleSinceInput_ = false;
};

}  // namespace tenukiro

#include "shell/idle/mutter_watches.h"

namespace tenukiro {

MutterWatches::Meaning MutterWatches::Fired(uint32_t id) {
  if (id == idleWatch_) {
    const bool again = idleSinceInput_;
    idleSinceInput_ = true;
    return again ? Meaning::ResumedThenIdled : Meaning::Idled;
  }
  if (active_ && id == *active_) {
    active_.reset();
    idleSinceInput_ = false;
    return Meaning::Resumed;
  }
  return Meaning::Unknown;
}

}  // namespace tenukiro

#include "shell/idle/idle_show_runner.h"

#include <iostream>

namespace tenukiro {

void IdleShowRunner::Idled() {
  if (!cycle_.Idled() || show_.Start(arguments_, mask_)) return;
  std::cerr << "tenukiro: cannot start the saver\n";
  cycle_.ShowEnded();
}

void IdleShowRunner::ShowEnded() {
  show_.Reap();
  cycle_.ShowEnded();
}

}  // namespace tenukiro

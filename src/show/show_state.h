#pragma once

#include <cstdint>

namespace tenukiro {

// The show's states while a record plays.
enum class ShowState : int { NextPosition = 1, NextPose = 2, MorePages = 3, EndWait = 4, Transition = 5,
                             AfterTransition = 6 };

// The show's state and the wait before its next step, in milliseconds.
struct ShowTiming {
  ShowState state = ShowState::NextPosition;
  int32_t nextWait = 0;
};

}  // namespace tenukiro

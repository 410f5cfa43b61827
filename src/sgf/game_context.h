#pragma once

#include <cstdint>

namespace tenukiro {

// Board size of the game being shown, shared by the collection and the Board.
// Both values are the size plus one: playable points run 1..size, 0 and size + 1
// are the border.
struct GameContext {
  uint8_t columnsPlus1 = 20;
  uint8_t rowsPlus1 = 20;
};

}  // namespace tenukiro

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "replay/board.h"

namespace tenukiro {

// Positions as text: rows top to bottom, one character per column, '.' empty,
// 'X' black, 'O' white. Blanks are ignored and blank lines skipped, so a diagram
// can be indented inside a raw string.
struct Diagram {
  int columns = 0;
  int rows = 0;
  std::vector<std::string> lines;
};
Diagram ParseDiagram(std::string_view text);

// Sizes the board to the diagram, empties it and puts the diagram's stones on it
// as setup stones.
void SetUpPosition(Board& board, std::string_view text);

// The board's playable area as a diagram, each row ended by a newline.
std::string DrawPosition(const Board& board);

}  // namespace tenukiro

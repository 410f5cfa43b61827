#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tenukiro::testing {

struct BoardShape {
  int columns;
  int rows;
};

// One game tree of a legal random game: captures, passes, handicap stones now and
// then, nested variations, game information and comments in UTF-8 or Windows-1252
// (one encoding per game, sometimes declared with CA), with escaped brackets,
// backslashes and soft line breaks. The same seed gives the same bytes everywhere.
std::string RandomGameRecord(uint32_t seed, BoardShape shape);

// Several such games in one collection, one game tree per shape.
std::string RandomCollection(uint32_t seed, const std::vector<BoardShape>& shapes);

}  // namespace tenukiro::testing

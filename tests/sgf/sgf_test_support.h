#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sgf/game_context.h"
#include "sgf/sgf_collection.h"
#include "sgf/sgf_node.h"
#include "sgf/sgf_text.h"
#include "support/sgf_tree_comparison.h"

namespace tenukiro::testing {

// A collection parsed from text, as the show holds it.
struct ParsedRecord {
  explicit ParsedRecord(std::string_view bytes, Reading reading = Reading::Fast);
  // Descriptions of the nodes in show order, starting at the cursor, selecting
  // each node as the show does.
  std::vector<std::string> ShowOrder();

  GameContext context;
  SgfText text;
  SgfCollection collection{context};
};

}  // namespace tenukiro::testing

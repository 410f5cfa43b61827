#pragma once

#include <string_view>
#include <vector>

#include "replay/annotation_state.h"
#include "replay/board.h"
#include "replay/node_request.h"
#include "settings/settings_record.h"
#include "sgf/sgf_collection.h"

namespace tenukiro {

// The texts of a game root's OP values, in order (none without OP).
std::vector<std::string_view> RecordOptionValues(const SgfNode& root);

// Plays one node onto the board and what is shown around its stones: reads its
// times and assistant poses, then its setup stones, the move, the view, marks and
// labels, move numbering and the comment, always in that order (ApplyNode). A game
// root first resets the board and takes the record's own options and game
// information. What the node asks of the show's time (its times and poses) is
// handed back, not kept.
class NodePlayer {
 public:
  NodePlayer(SgfCollection& collection, Board& board, SettingsRecord& settings, AnnotationState& state)
      : collection_(collection), board_(board), settings_(settings), state_(state) {}

  // Applies the node: it becomes the cursor; a current root gets the game
  // preparation first. Returns what the node asks for (nothing for a null node).
  NodeRequest ApplyNode(SgfNode* node);

  // Applies every node of the selected line from the current root down to
  // `target` (just the root when target is null; the walk ends early when the
  // line ends without reaching it). Returns what the last node applied asks for.
  NodeRequest ReplayToNode(const SgfNode* target);

  // The steps, in the order ApplyNode runs them.
  void PrepareGameRoot(SgfNode* root);
  NodeTimes ApplyTiming(const SgfNode& node) const;
  // Shows the node's first pose.
  NodePoses ApplyAssistantScript(const SgfNode& node);
  void ApplySetup(const SgfNode& node);
  void ApplyMove(const SgfNode& node);
  void ApplyView(const SgfNode& node);
  void ApplyMarks(const SgfNode& node);
  void ApplyMoveNumber(const SgfNode& node);
  void ApplyComment(const SgfNode& node);

  void ComputeViewRectangle();
  // The string of the first node along the selected line from the current root
  // that has the property, or null.
  const char* LookupGameInfo(PropertyId id) const;

  // The move whose number a point shows: the stone standing there, or with
  // numbering as in books, the earliest stone played there since the numbering
  // start whose capture came after it.
  int NumberedMoveAt(int column, int row) const;

  // The numbering start S (moves from S on are numbered, S getting number F).
  int NumberingStart() const { return state_.numberingOffset + board_.SetupCount(); }

 private:
  bool OnBoard(int column, int row) const;
  void StoreView(int xmin, int ymin, int xmax, int ymax);
  void StoreWholeView();

  SgfCollection& collection_;
  Board& board_;
  SettingsRecord& settings_;
  AnnotationState& state_;
};

}  // namespace tenukiro

#pragma once

#include <memory>
#include <string>

#include "replay/annotation_state.h"
#include "replay/board.h"
#include "replay/node_player.h"
#include "replay/node_request.h"
#include "settings/settings_record.h"
#include "sgf/game_context.h"
#include "sgf/sgf_collection.h"
#include "sgf/sgf_text.h"

namespace tenukiro {

// One record being played: its text (parsed lazily), the tree read so far, the
// board, what the annotation steps made of the node last applied and what that node
// asks of the show. Everything lives from the load to the next one.
class LoadedRecord {
 public:
  // How the show reaches the next node in show order.
  enum class StepKind {
    NewGame,     // the root of the file's next game tree: rebuilt from scratch
    FirstChild,  // the main line goes on: applied on top of the position
    Jump,        // another variation: the position is replayed from the root
    End,         // the file is finished
  };
  struct Step {
    SgfNode* node = nullptr;
    StepKind kind = StepKind::End;
  };

  // Reads the file (a random game when it cannot be read), parses its first
  // variation and applies the first root. `memory` may be that of the record
  // shown before (see Recycle).
  LoadedRecord(const std::string& path, SettingsRecord& settings, SgfArena memory = {});
  // The same for a text already in memory.
  LoadedRecord(SgfText text, SettingsRecord& settings, SgfArena memory = {});
  LoadedRecord(const LoadedRecord&) = delete;
  LoadedRecord& operator=(const LoadedRecord&) = delete;

  // Ends `record` (if any) and gives back its tree's memory for the next record:
  // its pages are filled again instead of being faulted in afresh, which for a
  // large record costs a quarter of its loading time.
  static SgfArena Recycle(std::unique_ptr<LoadedRecord> record);

  // Finds the next node in show order (parsing more on demand) and marks it as
  // the line shown. Applies nothing.
  Step NextStep();
  // Applies a step found by NextStep.
  void ApplyStep(const Step& step);
  // Re-applies the record from its root down to `node`.
  void ReplayToNode(const SgfNode* node);
  // What the node last applied asks for: its times and poses.
  const NodeRequest& Request() const { return request_; }

  SgfCollection& Collection() { return collection_; }
  const SgfCollection& Collection() const { return collection_; }
  Board& GetBoard() { return board_; }
  const Board& GetBoard() const { return board_; }
  AnnotationState& State() { return state_; }
  const AnnotationState& State() const { return state_; }
  NodePlayer& Player() { return player_; }
  const NodePlayer& Player() const { return player_; }
  const GameContext& Context() const { return context_; }

 private:
  GameContext context_;
  SgfText text_;
  SgfCollection collection_;
  Board board_;
  AnnotationState state_;
  NodePlayer player_;
  NodeRequest request_;
};

}  // namespace tenukiro

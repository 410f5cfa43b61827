#pragma once

#include <vector>

#include "assistant/assistant.h"
#include "assistant/game_info.h"
#include "render/board_renderer.h"
#include "render/board_surroundings.h"
#include "replay/loaded_record.h"
#include "settings/settings_record.h"

namespace tenukiro {

// A page of a comment written by the show's surroundings: where, its line count, and whether
// the comment goes on after it.
struct WrittenPage {
  enum class Place { None, Balloon, Box };
  Place place = Place::None;
  int lines = 0;
  bool textRemains = false;
};

// What the show draws around the board: the game information under it, and either the
// assistant with its speech balloon to its left or, with the assistant hidden, the comment box
// under the board. The show reads back each comment page it wrote, to time it.
// On the redraws after a step the assistant's neighbourhood is composed off screen, board cells
// first, and copied to the window in one piece.
class ShowSurroundings : public BoardSurroundings {
 public:
  // All of them must outlive it; `sphere` may be null (the assistant is then drawn flat).
  ShowSurroundings(const SettingsRecord& settings, const BoardRenderer& board, CGameInfo& gameInfo,
                   SphereImageRenderer* sphere);

  // The record on show; null while there is none.
  void Show(LoadedRecord* record);
  // Whether the next page goes on where the page on screen ended (more pages wait) or starts
  // the comment again.
  void ContinueComment(bool more) { continueComment_ = more; }
  // The page written since the last call, if any.
  WrittenPage TakeWrittenPage();

  void Prepare(const BoardLayout& layout) override;
  void DrawFullFrame(Canvas& canvas) override;
  bool OwnsPoint(int x, int y) const override;
  void RedrawChanged(Canvas& canvas, std::vector<Rect>& changed) override;
  void CommitDisplay() override;

  // The show's more-pages step: the comment's next page, in the balloon or in the box.
  void DrawNextPage(Canvas& canvas, std::vector<Rect>& changed);

  const CAssistant& Character() const { return assistant_; }

 private:
  // Where the next page starts: the comment's start, except while more pages wait.
  void RewindComment(bool fullFrame);
  // The assistant step: picks pose, mode and text, draws, and notes the page written.
  void DrawAssistant(Canvas& canvas, bool fullFrame);
  void Recompose(Canvas& canvas, std::vector<Rect>& changed);
  Rect DrawCommentBox(Canvas& canvas, bool fullFrame);
  Rect DrawInformation(Canvas& canvas) const;
  Point AssistantOrigin() const;
  // The points the assistant covers now.
  PointBox AssistantBox() const;
  PointBox VisiblePart(const PointBox& box, const Raster& picture) const;

  const SettingsRecord& settings_;
  const BoardRenderer& board_;
  CGameInfo& gameInfo_;
  SphereImageRenderer* sphere_;
  LoadedRecord* record_ = nullptr;
  bool continueComment_ = false;
  WrittenPage written_;
  CAssistant assistant_;
  Raster offscreen_;
  PointBox previousBox_;
  // Where the page on screen started, and in which comment.
  char* pageStart_ = nullptr;
  const char* pageText_ = nullptr;
};

}  // namespace tenukiro

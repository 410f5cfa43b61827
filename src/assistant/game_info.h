#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "render/board_layout.h"
#include "render/canvas.h"
#include "render/info_block_metrics.h"
#include "text/text_encoding.h"
#include "replay/annotation_state.h"

namespace tenukiro {

// The game-information lines under the board: event and date, the players with their ranks, and
// the result in words, in the user-interface language. The seven texts stay references into the
// record; the lines are composed from them once per game.
class CGameInfo : public InfoBlockMetrics {
 public:
  // Takes the game's texts (null or empty when absent), read in the record's encoding, and composes
  // its lines as UTF-8.
  void SetInfo(const GameInfoTexts& info, const TextEncoding& encoding = {});

  // Lines drawn: one per present title, players and result line, or the one no-information line.
  int GetLineCount() const;
  // Width in pixels of the widest line, in the font drawn for stone radius R, given as R - 1.
  int GetMaxWidth(int rMinus1) const;
  // The lines in drawing order.
  std::vector<std::string_view> Lines() const;

  // Writes the lines centred under the shown columns, one pitch apart from just below the last
  // shown row, opaque on the background colour. Returns the rectangle written to.
  Rect Draw(Canvas& canvas, const BoardLayout& layout, const ViewRectangle& view, Color textColor,
            Color backColor) const;

  // The texts as drawn become the ones the changed test compares with.
  void CommitSnapshot() { snapshot_ = info_; }
  // Whether another game's texts were set since the snapshot (by identity, not by content).
  bool ChangedSinceSnapshot() const;

  int LineCount() const override { return GetLineCount(); }
  int MaxWidth(int rMinus1) const override { return GetMaxWidth(rMinus1); }

 private:
  GameInfoTexts info_;
  GameInfoTexts snapshot_;
  std::string title_;
  std::string players_;
  std::string result_;
};

// The font of the information lines for stone radius R, given as R - 1.
Font GameInfoFont(int rMinus1);

}  // namespace tenukiro

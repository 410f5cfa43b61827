#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "replay/board.h"
#include "sgf/sgf_value.h"

namespace tenukiro {

// The part of the board shown: first column, first row, last column, last row.
struct ViewRectangle {
  int8_t xmin = 1;
  int8_t ymin = 1;
  int8_t xmax = 19;
  int8_t ymax = 19;
  friend bool operator==(const ViewRectangle&, const ViewRectangle&) = default;
};

// A label of up to four characters on a point.
struct PointLabel {
  uint8_t length = 0;
  char text[LabelValue::kMaxLength] = {};
  std::string_view Text() const { return std::string_view(text, length); }
};

// The game information texts of a game tree, in the order event, date, black
// player, black rank, white player, white rank, result; null when missing.
struct GameInfoTexts {
  const char* event = nullptr;
  const char* date = nullptr;
  const char* blackPlayer = nullptr;
  const char* blackRank = nullptr;
  const char* whitePlayer = nullptr;
  const char* whiteRank = nullptr;
  const char* result = nullptr;
};

// A pose is ten characters that choose the assistant's eyes, pupils, mouth and legs.
inline constexpr char kNoPose[] = "FFFFFFFFFF";
inline constexpr size_t kPoseLength = sizeof kNoPose - 1;

// What the position on show looks like beyond its stones, for the renderer and the assistant:
// the annotation steps write it for each node, the show's pose steps and the comment's pages
// move on within it.
struct AnnotationState {
  // The node's comment and where its next page starts; null without a comment. Writing a page
  // turns the line feeds it meets into carriage returns in the record's text.
  char* commentText = nullptr;
  char* commentCursor = nullptr;

  // The assistant's pose on screen and its offset.
  char poseCode[kPoseLength + 1] = "FFFFFFFFFF";
  int32_t assistantDx = 0;
  int32_t assistantDy = 0;

  bool lastMoveMarkSuppressed = false;

  // Move v shows the number v - S + F, where S = numberingOffset + the board's
  // setup count.
  int16_t numberingOffset = 1;
  int16_t firstNumber = 1;

  ViewRectangle view;
  std::array<PointLabel, Board::kGridPoints> labels{};
  // Whether a mark or label may stand on the board: without one, the next node has
  // nothing to wipe.
  bool marksShown = false;
  GameInfoTexts gameInfo;

  PointLabel& LabelAt(int column, int row) { return labels[column * Board::kGridSide + row]; }
  const PointLabel& LabelAt(int column, int row) const { return labels[column * Board::kGridSide + row]; }
};

}  // namespace tenukiro

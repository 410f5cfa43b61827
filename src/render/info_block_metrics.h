#pragma once

namespace tenukiro {

// The size of the game-information block under the board, as the layout needs it.
class InfoBlockMetrics {
 public:
  virtual ~InfoBlockMetrics() = default;
  // Number of information lines; each takes one grid pitch.
  virtual int LineCount() const = 0;
  // Pixel width of the widest line, for stone radius R given as R - 1 (the lines' font height
  // follows from it).
  virtual int MaxWidth(int rMinus1) const = 0;
};

// No game information: the block takes no room.
class NoInfoBlock : public InfoBlockMetrics {
 public:
  int LineCount() const override { return 0; }
  int MaxWidth(int) const override { return 0; }
};

}  // namespace tenukiro

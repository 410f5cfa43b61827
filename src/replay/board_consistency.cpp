// Board::CheckConsistency: everything the incremental updates keep, recomputed from
// the colours on the grid alone. It reads the board only through its public
// readers, so it checks what every user of the board sees.
#include <array>
#include <string>

#include "replay/board.h"

namespace tenukiro {
namespace {

constexpr int kSide = Board::kGridSide;
constexpr std::array<int, 4> kColumnSteps = {-1, 0, 0, 1};
constexpr std::array<int, 4> kRowSteps = {0, -1, 1, 0};

int StoneColour(uint16_t word) {
  if (word & kPointBlack) return kBlack;
  if (word & kPointWhite) return kWhite;
  return 0;
}

std::string Broken(const char* rule, int column, int row, const std::string& detail = {}) {
  return std::string(rule) + " at (" + std::to_string(column) + "," + std::to_string(row) + ")" +
         (detail.empty() ? "" : ": " + detail);
}

std::string CheckCell(const Board& board, int column, int row) {
  const uint16_t word = board.PointWord(column, row);
  const int placement = board.PlacementMove(column, row);
  if (!board.IsPlayable(column, row)) {
    if (!(word & kPointBorder) || (word & (kStoneBits | kPointEmpty)) || placement != 0) {
      return Broken("border cell not plain border", column, row);
    }
    return {};
  }
  const int states = ((word & kPointEmpty) != 0) + ((word & kPointBlack) != 0) + ((word & kPointWhite) != 0);
  if (states != 1 || (word & kPointBorder)) return Broken("point word not exactly one of empty, black, white", column, row);
  if ((word & kPointEmpty) != 0 && placement != 0) return Broken("empty point has a placement", column, row);
  if ((word & kPointEmpty) == 0 && placement == 0) return Broken("stone without a placement", column, row);
  if (placement == 0) return {};
  if (placement > board.MoveCount() || board.MoveColour(placement) != StoneColour(word) ||
      board.MoveColumn(placement) != column || board.MoveRow(placement) != row) {
    return Broken("move record disagrees with the stone", column, row, "move " + std::to_string(placement));
  }
  return {};
}

// One chain found by flood fill from the colours, checked against the board's
// chain records. `chainOf` labels the points already flooded with the label of
// their chain (column * kSide + row of its first point, plus one).
class ChainCheck {
 public:
  ChainCheck(const Board& board, std::array<int, kSide * kSide>& chainOf, std::array<int, kSide * kSide>& libertyOf)
      : board_(board), chainOf_(chainOf), libertyOf_(libertyOf) {}

  std::string Run(int column, int row) {
    column_ = column;
    row_ = row;
    Flood();
    if (std::string error = CheckRepresentative(); !error.empty()) return error;
    if (std::string error = CheckStoneList(); !error.empty()) return error;
    if (board_.StoneCount(chain_) != count_) {
      return Broken("stone count wrong", column_, row_,
                    std::to_string(board_.StoneCount(chain_)) + " for " + std::to_string(count_) + " stones");
    }
    if (board_.LibertyWeight(chain_) != 12 * liberties_) {
      return Broken("liberty weight wrong", column_, row_,
                    std::to_string(board_.LibertyWeight(chain_)) + " for " + std::to_string(liberties_) + " liberties");
    }
    return {};
  }

 private:
  static int Index(int column, int row) { return column * kSide + row; }

  void Flood() {
    const int colour = StoneColour(board_.PointWord(column_, row_));
    label_ = Index(column_, row_) + 1;
    count_ = 0;
    liberties_ = 0;
    stack_[count_++] = Index(column_, row_);
    chainOf_[Index(column_, row_)] = label_;
    for (int i = 0; i < count_; ++i) {
      const int c = stack_[i] / kSide, r = stack_[i] % kSide;
      for (int d = 0; d < 4; ++d) {
        const int nc = c + kColumnSteps[d], nr = r + kRowSteps[d];
        if (!board_.IsPlayable(nc, nr)) continue;
        const int n = Index(nc, nr);
        const uint16_t word = board_.PointWord(nc, nr);
        if ((word & kPointEmpty) && libertyOf_[n] != label_) {
          libertyOf_[n] = label_;
          ++liberties_;
        } else if (StoneColour(word) == colour && chainOf_[n] != label_) {
          chainOf_[n] = label_;
          stack_[count_++] = n;
        }
      }
    }
  }

  std::string CheckRepresentative() {
    chain_ = board_.ChainAt(column_, row_);
    for (int i = 0; i < count_; ++i) {
      if (board_.ChainAt(stack_[i] / kSide, stack_[i] % kSide) != chain_) {
        return Broken("two representatives in one chain", column_, row_);
      }
    }
    return {};
  }

  // The stone list from the representative must visit exactly the flooded stones,
  // each once, and close.
  std::string CheckStoneList() {
    int stone = chain_;
    for (int listed = 0; listed < count_; ++listed) {
      const int c = board_.MoveColumn(stone), r = board_.MoveRow(stone);
      if (!board_.IsPlayable(c, r) || board_.PlacementMove(c, r) != stone || chainOf_[Index(c, r)] != label_ ||
          seen_[Index(c, r)] == label_) {
        return Broken("stone list leaves the chain", column_, row_, "at move " + std::to_string(stone));
      }
      seen_[Index(c, r)] = label_;
      stone = board_.NextStone(stone);
    }
    if (stone != chain_) return Broken("stone list does not close", column_, row_);
    return {};
  }

  const Board& board_;
  std::array<int, kSide * kSide>& chainOf_;
  std::array<int, kSide * kSide>& libertyOf_;
  std::array<int, kSide * kSide> stack_{};
  std::array<int, kSide * kSide> seen_{};
  int column_ = 0, row_ = 0, label_ = 0, chain_ = 0, count_ = 0, liberties_ = 0;
};

}  // namespace

std::string Board::CheckConsistency() const {
  if (moveCount_ < setupCount_ || moveCount_ > kMaxMoves) {
    return "move counts out of range: " + std::to_string(setupCount_) + " setup of " + std::to_string(moveCount_);
  }
  for (int column = 0; column < kSide; ++column) {
    for (int row = 0; row < kSide; ++row) {
      if (std::string error = CheckCell(*this, column, row); !error.empty()) return error;
    }
  }
  std::array<int, kSide * kSide> chainOf{};
  std::array<int, kSide * kSide> libertyOf{};
  ChainCheck check(*this, chainOf, libertyOf);
  for (int column = 1; column < columnsPlus1_; ++column) {
    for (int row = 1; row < rowsPlus1_; ++row) {
      if (PlacementMove(column, row) == 0 || chainOf[column * kSide + row] != 0) continue;
      if (std::string error = check.Run(column, row); !error.empty()) return error;
    }
  }
  return {};
}

}  // namespace tenukiro

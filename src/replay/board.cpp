#include "replay/board.h"

#include <algorithm>
#include <utility>

namespace tenukiro {
namespace {

// Left, up, down, right in grid index steps.
constexpr std::array<int, 4> kNeighbourOffsets = {-Board::kGridSide, -1, 1, Board::kGridSide};

// A liberty next to k stones of one chain is shared out as 12 / k per stone, so
// the chain gains or loses exactly 12 for it whatever k is.
constexpr std::array<int, 5> kShareOf = {0, 12, 6, 4, 3};

constexpr int kLibertyUnit = 12;

int StoneColourOf(uint16_t word) {
  if (word & kPointBlack) return kBlack;
  if (word & kPointWhite) return kWhite;
  return 0;
}

}  // namespace

void Board::ResetMoveRecords() {
  for (int m = 0; m < kMoveRecords; ++m) {
    moves_[m] = MoveRecord{0, 0, 0, static_cast<int16_t>(m), static_cast<int16_t>(m), {}, 0};
    chains_[m] = ChainRecord{0, 0};
  }
  // Record 0 stands for "before the first move", so the first mover is black.
  moves_[0].colour = kWhite;
}

void Board::ResetBoard(int columnsPlus1, int rowsPlus1) {
  columnsPlus1_ = std::clamp(columnsPlus1, 1, kMaxSizePlus1);
  rowsPlus1_ = std::clamp(rowsPlus1, 1, kMaxSizePlus1);
  for (int column = 0; column < kGridSide; ++column) {
    for (int row = 0; row < kGridSide; ++row) {
      grid_[Index(column, row)] = IsPlayable(column, row) ? kPointEmpty : kPointBorder;
    }
  }
  ClearHistory();
}

void Board::ClearHistory() {
  placement_.fill(0);
  lastRemoved_.fill(0);
  ResetMoveRecords();
  moveCount_ = 0;
  setupCount_ = 0;
}

void Board::RebuildChains() {
  struct Stone {
    int colour, column, row;
  };
  std::array<Stone, kGridPoints> stones;
  int count = 0;
  // SetPointWord keeps stones off the border, so only playable points can hold one.
  for (int column = 1; column < columnsPlus1_; ++column) {
    for (int row = 1; row < rowsPlus1_; ++row) {
      uint16_t& word = grid_[Index(column, row)];
      if (const int colour = StoneColourOf(word)) stones[count++] = {colour, column, row};
      word = (word & ~(kStoneBits | kPointEmpty | kPointBorder)) | kPointEmpty;
    }
  }
  ClearHistory();
  setupCount_ = count;
  for (int i = 0; i < count; ++i) PlayMove(stones[i].colour, stones[i].column, stones[i].row, MoveMode::kSetup);
}

bool Board::IsLegalMove(int, int column, int row) const {
  return !IsPlayable(column, row) || (grid_[Index(column, row)] & kPointEmpty) != 0;
}

int Board::PlayMove(int colour, int column, int row, MoveMode mode) {
  if (!IsStoneColour(colour) || moveCount_ >= kMaxMoves) return 0;
  const int m = ++moveCount_;
  moves_[m].colour = static_cast<int8_t>(colour);
  if (!IsPlayable(column, row) || !(grid_[Index(column, row)] & kPointEmpty)) {
    RecordPass(m);
    return m;
  }
  const int point = Index(column, row);
  moves_[m].column = static_cast<int8_t>(column);
  moves_[m].row = static_cast<int8_t>(row);
  moves_[m].previousOccupant = lastRemoved_[point];
  if (mode == MoveMode::kGame) {
    if (IsSuicide(colour, point)) {
      CommitSuicide(colour, point, m);
      return m;
    }
    CaptureAround(colour, point, m);
  }
  PlaceStone(colour, point, m);
  ConnectNeighbours(colour, point, m);
  return m;
}

void Board::RecordPass(int move) {
  moves_[move].column = 0;
  moves_[move].row = 0;
  moves_[move].previousOccupant = 0;
  chains_[move] = ChainRecord{0, 0};
}

int Board::NeighboursInChain(int point, int chain) const {
  int count = 0;
  for (int offset : kNeighbourOffsets) count += ChainAtIndex(point + offset) == chain;
  return count;
}

bool Board::IsNextToChain(int point, int chain) const { return NeighboursInChain(point, chain) > 0; }

// Suicide needs every neighbour occupied, no enemy chain in atari (it would be
// captured) and no friendly chain with a liberty besides this point.
bool Board::IsSuicide(int colour, int point) const {
  for (int offset : kNeighbourOffsets) {
    const uint16_t word = grid_[point + offset];
    if (word & kPointEmpty) return false;
    const int weight = chains_[ChainAtIndex(point + offset)].libertyWeight;
    if ((word & OtherColour(colour)) && weight == kLibertyUnit) return false;
    if ((word & colour) && weight > kLibertyUnit) return false;
  }
  return true;
}

void Board::CommitSuicide(int colour, int point, int move) {
  for (int d = 0; d < 4; ++d) {
    const int neighbour = point + kNeighbourOffsets[d];
    if (!(grid_[neighbour] & colour)) continue;
    const int chain = ChainAtIndex(neighbour);
    RemoveChain(chain, colour);
    moves_[move].entries[d] = static_cast<int16_t>(-chain);
  }
  lastRemoved_[point] = static_cast<int16_t>(move);
  chains_[move] = ChainRecord{0, 0};
}

void Board::CaptureAround(int colour, int point, int move) {
  const int enemy = OtherColour(colour);
  for (int d = 0; d < 4; ++d) {
    const int neighbour = point + kNeighbourOffsets[d];
    if (!(grid_[neighbour] & enemy)) continue;
    const int chain = ChainAtIndex(neighbour);
    if (chains_[chain].libertyWeight != kLibertyUnit) continue;
    RemoveChain(chain, enemy);
    moves_[move].entries[d] = static_cast<int16_t>(-chain);
  }
}

void Board::RemoveChain(int chain, int colour) {
  const int enemy = OtherColour(colour);
  int removed = 0;
  int stone = chain;
  do {
    const int point = PointOf(stone);
    for (int offset : kNeighbourOffsets) {
      if (!(grid_[point + offset] & enemy)) continue;
      const int gainer = ChainAtIndex(point + offset);
      chains_[gainer].libertyWeight += kShareOf[NeighboursInChain(point, gainer)];
    }
    grid_[point] = (grid_[point] & ~colour) | kPointEmpty;
    lastRemoved_[point] = placement_[point];
    placement_[point] = 0;
    ++removed;
    stone = moves_[stone].nextStone;
  } while (stone != chain);
  chains_[chain].stoneCount = static_cast<int16_t>(removed);
}

void Board::PlaceStone(int colour, int point, int move) {
  grid_[point] = (grid_[point] & ~kPointEmpty) | colour;
  placement_[point] = static_cast<int16_t>(move);
  int liberties = 0;
  for (int offset : kNeighbourOffsets) liberties += (grid_[point + offset] & kPointEmpty) != 0;
  chains_[move] = ChainRecord{static_cast<int16_t>(kLibertyUnit * liberties), 1};
}

void Board::ConnectNeighbours(int colour, int point, int move) {
  const int enemy = OtherColour(colour);
  int joined = move;
  for (int d = 0; d < 4; ++d) {
    const int neighbour = point + kNeighbourOffsets[d];
    const uint16_t word = grid_[neighbour];
    if (word & colour) {
      const int chain = ChainAtIndex(neighbour);
      if (chain == joined) continue;
      joined = MergeChains(chain, joined);
      moves_[move].entries[d] = static_cast<int16_t>(chain);
    } else if (word & enemy) {
      const int chain = ChainAtIndex(neighbour);
      chains_[chain].libertyWeight -= kShareOf[NeighboursInChain(point, chain)];
    }
  }
}

// Liberties shared by two chains about to join, in twelfths, plus 12 for the
// point just played, which was a liberty of the joining chain.
int Board::SharedLiberties(int walked, int other) const {
  int shared = kLibertyUnit;
  int stone = walked;
  do {
    const int point = PointOf(stone);
    for (int offset : kNeighbourOffsets) {
      const int liberty = point + offset;
      if ((grid_[liberty] & kPointEmpty) && IsNextToChain(liberty, other)) {
        shared += kShareOf[NeighboursInChain(liberty, walked)];
      }
    }
    stone = moves_[stone].nextStone;
  } while (stone != walked);
  return shared;
}

// Joins a friendly chain to the chain of the stone just played. Only the smaller
// chain is walked and relabelled (the played stone's chain on a tie), so a
// stone joining a large chain costs as little as one joining a small one.
int Board::MergeChains(int chain, int played) {
  const bool keepPlayed = chains_[played].stoneCount >= chains_[chain].stoneCount;
  const int kept = keepPlayed ? played : chain;
  const int absorbed = keepPlayed ? chain : played;
  const int shared = SharedLiberties(absorbed, kept);
  chains_[kept].libertyWeight = static_cast<int16_t>(chains_[kept].libertyWeight + chains_[absorbed].libertyWeight - shared);
  chains_[kept].stoneCount = static_cast<int16_t>(chains_[kept].stoneCount + chains_[absorbed].stoneCount);
  int stone = absorbed;
  do {
    moves_[stone].chain = static_cast<int16_t>(kept);
    stone = moves_[stone].nextStone;
  } while (stone != absorbed);
  std::swap(moves_[kept].nextStone, moves_[absorbed].nextStone);
  return kept;
}

int Board::CaptureMoveOf(int move) const {
  if (move < 1 || move > moveCount_) return kNotCaptured;
  const int chain = moves_[move].chain;
  if (chains_[chain].stoneCount == 0) return chain;
  if (placement_[PointOf(move)] == move) return kNotCaptured;
  // The capture came after every stone of the chain, its representative too.
  for (int later = chain + 1; later <= moveCount_; ++later) {
    for (int16_t entry : moves_[later].entries) {
      if (entry == -chain) return later;
    }
  }
  return kNotCaptured;
}

void Board::SetPointWord(int column, int row, uint16_t word) {
  if (!OnGrid(column, row)) return;
  if (!IsPlayable(column, row)) word = (word & ~(kStoneBits | kPointEmpty)) | kPointBorder;
  grid_[Index(column, row)] = word;
}

int Board::MoveColour(int move) const { return ValidRecord(move) ? moves_[move].colour : 0; }
int Board::MoveColumn(int move) const { return ValidRecord(move) ? moves_[move].column : 0; }
int Board::MoveRow(int move) const { return ValidRecord(move) ? moves_[move].row : 0; }

int Board::PreviousOccupant(int move) const {
  return ValidRecord(move) ? moves_[move].previousOccupant : 0;
}

int Board::ChainOfMove(int move) const { return ValidRecord(move) ? moves_[move].chain : 0; }
int Board::NextStone(int move) const { return ValidRecord(move) ? moves_[move].nextStone : 0; }

int Board::CaptureOrMergeEntry(int move, int direction) const {
  return ValidRecord(move) && direction >= 0 && direction < 4 ? moves_[move].entries[direction] : 0;
}

int Board::LibertyWeight(int chain) const { return ValidRecord(chain) ? chains_[chain].libertyWeight : 0; }
int Board::StoneCount(int chain) const { return ValidRecord(chain) ? chains_[chain].stoneCount : 0; }

}  // namespace tenukiro

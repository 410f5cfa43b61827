#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <vector>

#include "replay/board.h"
#include "sgf/game_file.h"
#include "sgf/property_id.h"
#include "sgf/sgf_collection.h"
#include "sgf/sgf_reader.h"

namespace tenukiro {
namespace {

struct Move {
  int colour;
  int column;
  int row;
};
using Game = std::vector<Move>;

constexpr int kGames = 32;
constexpr int kBandLength = 100;
constexpr int kBands = (Board::kMaxMoves + kBandLength - 1) / kBandLength;

// Suicide as the board judges it, read through its public records.
bool IsSuicide(const Board& board, int colour, int column, int row) {
  static constexpr int kSteps[4][2] = {{-1, 0}, {0, -1}, {0, 1}, {1, 0}};
  for (const auto& step : kSteps) {
    const int c = column + step[0];
    const int r = row + step[1];
    const uint16_t word = board.PointWord(c, r);
    if (word & kPointEmpty) return false;
    const int weight = board.LibertyWeight(board.ChainAt(c, r));
    if ((word & OtherColour(colour)) && weight == 12) return false;
    if ((word & colour) && weight > 12) return false;
  }
  return true;
}

// A random game on an empty point each move, never a suicide, passing only when
// no such point is left; as long as the move records allow.
Game RandomLegalGame(uint32_t seed, int size) {
  std::mt19937 random(seed);
  Board board;
  board.ResetBoard(size + 1, size + 1);
  Game game;
  std::vector<Move> candidates;
  for (int i = 0; i < Board::kMaxMoves; ++i) {
    const int colour = i % 2 ? kWhite : kBlack;
    candidates.clear();
    for (int column = 1; column <= size; ++column) {
      for (int row = 1; row <= size; ++row) {
        if ((board.PointWord(column, row) & kPointEmpty) && !IsSuicide(board, colour, column, row)) {
          candidates.push_back({colour, column, row});
        }
      }
    }
    const Move move = candidates.empty() ? Move{colour, 0, 0} : candidates[random() % candidates.size()];
    board.PlayMove(move.colour, move.column, move.row, MoveMode::kGame);
    game.push_back(move);
  }
  return game;
}

const std::vector<Game>& Games() {
  static const std::vector<Game> games = [] {
    std::vector<Game> made;
    for (int g = 0; g < kGames; ++g) made.push_back(RandomLegalGame(1000 + g, 19));
    return made;
  }();
  return games;
}

struct CorpusGame {
  GameContext context;
  Game moves;
};

// The moves of one main line, as the show passes them on: off-board and occupied
// points become passes, and no more than the records hold.
Game MainLineMoves(const SgfNode* root, const GameContext& context) {
  Board board;
  board.ResetBoard(context.columnsPlus1, context.rowsPlus1);
  Game moves;
  for (const SgfNode* node = root; node && board.MoveCount() < Board::kMaxMoves; node = node->FirstChild()) {
    const bool black = node->FindProperty(PROP_B) != nullptr;
    if (!black && node->FindProperty(PROP_W) == nullptr) continue;
    const int colour = black ? kBlack : kWhite;
    const PointValue point = node->PropertyPoint(black ? PROP_B : PROP_W).value_or(PointValue{});
    Move move{colour, point.column, point.row};
    if (!board.IsPlayable(move.column, move.row) || !board.IsLegalMove(colour, move.column, move.row)) {
      move.column = move.row = 0;
    }
    board.PlayMove(move.colour, move.column, move.row, MoveMode::kGame);
    moves.push_back(move);
  }
  return moves;
}

// The main line of the first game tree of every corpus record.
const std::vector<CorpusGame>& CorpusGames() {
  static const std::vector<CorpusGame> games = [] {
    std::vector<CorpusGame> made;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(TENUKIRO_CORPUS_DIR)) {
      if (!entry.is_regular_file() || entry.path().extension() != ".sgf") continue;
      SgfText text = ReadGameFile(entry.path().string());
      CorpusGame game;
      SgfCollection collection(game.context);
      BeginParse(collection, text);
      collection.GetBoardSize();
      game.moves = MainLineMoves(collection.CurrentRoot(), game.context);
      made.push_back(std::move(game));
    }
    return made;
  }();
  return games;
}

void PlayMoves(Board& board, const Game& game, size_t from, size_t to) {
  for (size_t i = from; i < to; ++i) board.PlayMove(game[i].colour, game[i].column, game[i].row, MoveMode::kGame);
}

double Seconds(std::chrono::steady_clock::duration elapsed) {
  return std::chrono::duration<double>(elapsed).count();
}

void ReportMoves(benchmark::State& state, int64_t movesPerIteration) {
  state.SetItemsProcessed(state.iterations() * movesPerIteration);
  state.counters["per_move"] = benchmark::Counter(static_cast<double>(state.iterations() * movesPerIteration),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Whole 999-move games from the empty board; the reset between games is not timed.
void BM_PlayMoveWholeGames(benchmark::State& state) {
  const std::vector<Game>& games = Games();
  Board board;
  int64_t moves = 0;
  for (const Game& game : games) moves += static_cast<int64_t>(game.size());
  for (auto _ : state) {
    double seconds = 0;
    for (const Game& game : games) {
      board.ResetBoard(Board::kDefaultSizePlus1, Board::kDefaultSizePlus1);
      const auto start = std::chrono::steady_clock::now();
      PlayMoves(board, game, 0, game.size());
      seconds += Seconds(std::chrono::steady_clock::now() - start);
      benchmark::DoNotOptimize(board);
    }
    state.SetIterationTime(seconds);
  }
  ReportMoves(state, moves);
}
BENCHMARK(BM_PlayMoveWholeGames)->UseManualTime()->Unit(benchmark::kMicrosecond);

// One band of 100 move numbers, played from the position the game reached
// before it, so the cost per move can be compared early and late in a game.
void BM_PlayMoveBand(benchmark::State& state) {
  const std::vector<Game>& games = Games();
  const size_t from = static_cast<size_t>(state.range(0)) * kBandLength;
  std::vector<Board> before(games.size());
  int64_t moves = 0;
  for (size_t g = 0; g < games.size(); ++g) {
    PlayMoves(before[g], games[g], 0, from);
    moves += static_cast<int64_t>(std::min(games[g].size(), from + kBandLength) - from);
  }
  Board board;
  for (auto _ : state) {
    double seconds = 0;
    for (size_t g = 0; g < games.size(); ++g) {
      board = before[g];
      const auto start = std::chrono::steady_clock::now();
      PlayMoves(board, games[g], from, std::min(games[g].size(), from + kBandLength));
      seconds += Seconds(std::chrono::steady_clock::now() - start);
      benchmark::DoNotOptimize(board);
    }
    state.SetIterationTime(seconds);
  }
  ReportMoves(state, moves);
}
BENCHMARK(BM_PlayMoveBand)->DenseRange(0, kBands - 1)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_PlayMoveCorpusMainLines(benchmark::State& state) {
  const std::vector<CorpusGame>& games = CorpusGames();
  int64_t moves = 0;
  for (const CorpusGame& game : games) moves += static_cast<int64_t>(game.moves.size());
  for (auto _ : state) {
    double seconds = 0;
    for (const CorpusGame& game : games) {
      Board board;
      board.ResetBoard(game.context.columnsPlus1, game.context.rowsPlus1);
      const auto start = std::chrono::steady_clock::now();
      PlayMoves(board, game.moves, 0, game.moves.size());
      seconds += Seconds(std::chrono::steady_clock::now() - start);
      benchmark::DoNotOptimize(board);
    }
    state.SetIterationTime(seconds);
  }
  ReportMoves(state, moves);
}
BENCHMARK(BM_PlayMoveCorpusMainLines)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tenukiro

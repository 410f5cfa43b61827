#include "replay/node_player.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "replay/format_scan.h"

namespace tenukiro {
namespace {

const SgfProperty* PropertyWithValues(const SgfNode& node, PropertyId id) {
  const SgfProperty* property = node.FindProperty(id);
  return property && property->FirstValue() ? property : nullptr;
}

int32_t ClampTime(int64_t value, int32_t low) { return static_cast<int32_t>(std::clamp<int64_t>(value, low, 1000000)); }

}  // namespace

bool NodePlayer::OnBoard(int column, int row) const {
  return column >= 1 && row >= 1 && column < board_.ColumnsPlus1() && row < board_.RowsPlus1();
}

NodeRequest NodePlayer::ApplyNode(SgfNode* node) {
  if (!node) return {};
  collection_.SetCursor(node);
  if (node == collection_.CurrentRoot()) PrepareGameRoot(node);
  NodeRequest request;
  request.times = ApplyTiming(*node);
  request.poses = ApplyAssistantScript(*node);
  ApplySetup(*node);
  ApplyMove(*node);
  ApplyView(*node);
  ApplyMarks(*node);
  ApplyMoveNumber(*node);
  ApplyComment(*node);
  return request;
}

NodeRequest NodePlayer::ReplayToNode(const SgfNode* target) {
  NodeRequest request;
  SgfNode* node = collection_.CurrentRoot();
  while (node) {
    request = ApplyNode(node);
    if (node == target || !target) break;
    node = SgfCollection::NextInLine(node);
  }
  return request;
}

std::vector<std::string_view> RecordOptionValues(const SgfNode& root) {
  std::vector<std::string_view> options;
  if (const SgfProperty* op = root.FindProperty(PROP_OP)) {
    for (const SgfValue* value : op->Values()) {
      if (value->Text()) options.emplace_back(value->Text());
    }
  }
  return options;
}

void NodePlayer::PrepareGameRoot(SgfNode* root) {
  // A game tree without a size keeps the size of the one before it.
  collection_.GetBoardSize();
  board_.ResetBoard(collection_.Context().columnsPlus1, collection_.Context().rowsPlus1);
  state_.firstNumber = 1;
  state_.numberingOffset = 1;
  state_.lastMoveMarkSuppressed = false;

  settings_.ApplyRecordOptions(RecordOptionValues(*root));

  state_.gameInfo = GameInfoTexts{LookupGameInfo(PROP_EV), LookupGameInfo(PROP_DT), LookupGameInfo(PROP_PB),
                                  LookupGameInfo(PROP_BR), LookupGameInfo(PROP_PW), LookupGameInfo(PROP_WR),
                                  LookupGameInfo(PROP_RE)};
  ComputeViewRectangle();
}

NodeTimes NodePlayer::ApplyTiming(const SgfNode& node) const {
  int32_t duration = settings_.Effective(node.FirstChild() ? CommonPositionTime : FinalPositionTime);
  int32_t page = settings_.Effective(CommentPageTime);
  int32_t line = settings_.Effective(CommentLineTime);
  const SgfProperty* mt = settings_.On(SgfPriority) ? PropertyWithValues(node, PROP_MT) : nullptr;
  if (mt && mt->FirstValue()->Text()) {
    int64_t fields[3] = {};
    const int read = ScanColonNumbers(mt->FirstValue()->Text(), 3, fields);
    if (read != 0) {
      duration = read >= 1 ? ClampTime(fields[0], 10) : 10;
      page = read >= 2 ? ClampTime(fields[1], 0) : 0;
      line = read >= 3 ? ClampTime(fields[2], 0) : 0;
    }
  }
  if (settings_.On(Comment) && node.FindProperty(PROP_C)) duration += page;
  return NodeTimes{duration, line};
}

NodePoses NodePlayer::ApplyAssistantScript(const SgfNode& node) {
  NodePoses poses;
  if (!settings_.On(Assistant)) return poses;
  poses.read = true;
  const SgfProperty* xa = settings_.On(SgfPriority) ? PropertyWithValues(node, PROP_XA) : nullptr;
  if (xa) {
    poses.count = static_cast<int>(std::min<size_t>(xa->ValueCount(), INT32_MAX));
    poses.first = xa->FirstValue();
    poses.pose = ReadScriptValue(poses.first->Text());
  }
  ShowPose(state_, poses.pose);
  return poses;
}

void NodePlayer::ApplySetup(const SgfNode& node) {
  struct Step {
    PropertyId id;
    uint16_t set;
  };
  static constexpr Step kSteps[] = {{PROP_AE, kPointEmpty}, {PROP_AB, kPointBlack}, {PROP_AW, kPointWhite}};
  bool anyValue = false;
  for (const Step& step : kSteps) {
    const SgfProperty* property = PropertyWithValues(node, step.id);
    if (!property) continue;
    anyValue = true;
    for (const SgfValue* value : property->Values()) {
      const PointValue p = value->Point();
      if (!OnBoard(p.column, p.row)) continue;
      const uint16_t word = board_.PointWord(p.column, p.row);
      board_.SetPointWord(p.column, p.row, static_cast<uint16_t>((word & ~(kPointEmpty | kStoneBits)) | step.set));
    }
  }
  if (!anyValue) return;
  state_.lastMoveMarkSuppressed = true;
  board_.RebuildChains();
  state_.numberingOffset = 1;
  state_.firstNumber = 1;
}

void NodePlayer::ApplyMove(const SgfNode& node) {
  int colour = kBlack;
  const SgfProperty* move = PropertyWithValues(node, PROP_B);
  if (!move) {
    colour = kWhite;
    move = PropertyWithValues(node, PROP_W);
  }
  if (!move || board_.MoveCount() >= Board::kMaxMoves) return;
  state_.lastMoveMarkSuppressed = false;
  PointValue p = move->FirstValue()->Point();
  if (!OnBoard(p.column, p.row) || !board_.IsLegalMove(colour, p.column, p.row)) p = PointValue{};
  board_.PlayMove(colour, p.column, p.row, MoveMode::kGame);
}

void NodePlayer::ApplyView(const SgfNode& node) {
  const SgfProperty* vw = PropertyWithValues(node, PROP_VW);
  if (!vw) return;
  const int columns = board_.ColumnsPlus1() - 1;
  const int rows = board_.RowsPlus1() - 1;
  const auto setHidden = [&](int c, int r, bool hidden) {
    const uint16_t word = board_.PointWord(c, r);
    board_.SetPointWord(c, r, hidden ? (word | kPointHidden) : static_cast<uint16_t>(word & ~kPointHidden));
  };
  for (int c = 1; c <= columns; ++c) {
    for (int r = 1; r <= rows; ++r) setHidden(c, r, true);
  }
  for (const SgfValue* value : vw->Values()) {
    const PointValue p = value->Point();
    if (p.column == 0 && p.row == 0) {
      for (int c = 1; c <= columns + 1; ++c) {
        for (int r = 1; r <= rows + 1; ++r) setHidden(c, r, false);
      }
    } else if (OnBoard(p.column, p.row)) {
      setHidden(p.column, p.row, false);
    }
  }
  if (!settings_.On(Indices)) return;
  // The coordinate cells follow the view of the points next to them.
  const auto hiddenAt = [&](int c, int r) { return (board_.PointWord(c, r) & kPointHidden) != 0; };
  for (int r = 1; r <= rows; ++r) {
    setHidden(0, r, hiddenAt(1, r));
    setHidden(columns + 1, r, hiddenAt(columns, r));
  }
  for (int c = 1; c <= columns; ++c) {
    setHidden(c, 0, hiddenAt(c, 1));
    setHidden(c, rows + 1, hiddenAt(c, rows));
  }
  setHidden(0, 0, hiddenAt(1, 1));
  setHidden(columns + 1, 0, hiddenAt(columns, 1));
  setHidden(0, rows + 1, hiddenAt(1, rows));
  setHidden(columns + 1, rows + 1, hiddenAt(columns, rows));
}

void NodePlayer::ApplyMarks(const SgfNode& node) {
  if (state_.marksShown) {
    for (int c = 1; c < board_.ColumnsPlus1(); ++c) {
      for (int r = 1; r < board_.RowsPlus1(); ++r) {
        board_.SetPointWord(c, r, static_cast<uint16_t>(board_.PointWord(c, r) & ~kMarkBits));
        state_.LabelAt(c, r) = PointLabel{};
      }
    }
    state_.marksShown = false;
  }
  static constexpr std::pair<PropertyId, uint16_t> kMarks[] = {
      {PROP_MA, kMarkMA}, {PROP_TR, kMarkTR}, {PROP_SQ, kMarkSQ}, {PROP_CR, kMarkCR}};
  for (const auto& [id, bit] : kMarks) {
    const SgfProperty* property = PropertyWithValues(node, id);
    if (!property) continue;
    for (const SgfValue* value : property->Values()) {
      const PointValue p = value->Point();
      if (!OnBoard(p.column, p.row)) continue;
      board_.SetPointWord(p.column, p.row, board_.PointWord(p.column, p.row) | bit);
      state_.marksShown = true;
    }
  }
  if (const SgfProperty* lb = PropertyWithValues(node, PROP_LB)) {
    for (const SgfValue* value : lb->Values()) {
      const LabelValue label = value->Label();
      if (!OnBoard(label.column, label.row)) continue;
      PointLabel& target = state_.LabelAt(label.column, label.row);
      state_.marksShown = true;
      target.length = std::min<uint8_t>(label.length, LabelValue::kMaxLength);
      std::memcpy(target.text, label.text, target.length);
    }
  }
}

void NodePlayer::ApplyMoveNumber(const SgfNode& node) {
  const SgfProperty* mn = PropertyWithValues(node, PROP_MN);
  if (!mn) return;
  state_.numberingOffset = static_cast<int16_t>(board_.MoveCount() - board_.SetupCount());
  state_.firstNumber = mn->FirstValue()->Number();
}

void NodePlayer::ApplyComment(const SgfNode& node) {
  const SgfProperty* c = settings_.On(Comment) ? PropertyWithValues(node, PROP_C) : nullptr;
  state_.commentText = c ? c->FirstValue()->MutableText() : nullptr;
  state_.commentCursor = state_.commentText;
}

void NodePlayer::StoreView(int xmin, int ymin, int xmax, int ymax) {
  if (settings_.On(Indices)) {
    // The coordinate cells then belong to the view.
    if (xmin == 1) xmin = 0;
    if (ymin == 1) ymin = 0;
    if (xmax == board_.ColumnsPlus1() - 1) xmax = board_.ColumnsPlus1();
    if (ymax == board_.RowsPlus1() - 1) ymax = board_.RowsPlus1();
  }
  state_.view = ViewRectangle{static_cast<int8_t>(xmin), static_cast<int8_t>(ymin), static_cast<int8_t>(xmax),
                              static_cast<int8_t>(ymax)};
}

void NodePlayer::StoreWholeView() { StoreView(1, 1, board_.ColumnsPlus1() - 1, board_.RowsPlus1() - 1); }

void NodePlayer::ComputeViewRectangle() {
  const int columns = board_.ColumnsPlus1() - 1;
  const int rows = board_.RowsPlus1() - 1;
  int xmin = columns + 1, ymin = rows + 1, xmax = 0, ymax = 0;
  StoreView(xmin, ymin, xmax, ymax);
  const SgfNode* root = collection_.CurrentRoot();
  for (const SgfNode* node = root; node; node = SgfCollection::NextInLine(node)) {
    const SgfProperty* vw = PropertyWithValues(*node, PROP_VW);
    if (!vw) {
      if (node == root) return StoreWholeView();
      continue;
    }
    for (const SgfValue* value : vw->Values()) {
      const PointValue p = value->Point();
      if (p.column == 0 && p.row == 0) return StoreWholeView();
      if (!OnBoard(p.column, p.row)) continue;
      xmin = std::min<int>(xmin, p.column);
      ymin = std::min<int>(ymin, p.row);
      xmax = std::max<int>(xmax, p.column);
      ymax = std::max<int>(ymax, p.row);
      StoreView(xmin, ymin, xmax, ymax);
      if (xmin == 1 && ymin == 1 && xmax == columns && ymax == rows) return;
    }
  }
  if (xmin > xmax || ymin > ymax) StoreWholeView();
}

const char* NodePlayer::LookupGameInfo(PropertyId id) const {
  for (const SgfNode* node = collection_.CurrentRoot(); node; node = SgfCollection::NextInLine(node)) {
    if (node->FindProperty(id)) return node->PropertyString(id);
  }
  return nullptr;
}

int NodePlayer::NumberedMoveAt(int column, int row) const {
  int v = board_.PlacementMove(column, row);
  if (!settings_.On(Numbering) || !settings_.On(AsInBooks)) return v;
  const int start = NumberingStart();
  // Earlier stones on a point have smaller indices, so the walk ends; the bound
  // only guards against a damaged history.
  for (int e = board_.LastRemoved(column, row), steps = 0; e > 0 && steps < Board::kMoveRecords; ++steps) {
    if (board_.CaptureMoveOf(e) < start) break;
    v = e;
    e = board_.PreviousOccupant(e);
  }
  return v;
}

}  // namespace tenukiro

#include "replay/replay_json.h"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace tenukiro {
namespace {

// Record text is bytes: 0x80-0xFF become \u0080-\u00ff, control bytes \uXXXX.
void AppendString(std::string& out, std::string_view text) {
  out += '"';
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  out += '"';
}

void AppendNumber(std::string& out, long value) { out += std::to_string(value); }

void AppendReal(std::string& out, float value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
  out += text;
}

std::string IdentifierOf(PropertyId id) {
  std::string name(1, static_cast<char>(id >> 8));
  if (id & 0xFF) name += static_cast<char>(id & 0xFF);
  return name;
}

void AppendValue(std::string& out, const SgfValue& value) {
  switch (value.Kind()) {
    case ValueKind::None:
      out += "null";
      break;
    case ValueKind::Number:
      AppendNumber(out, value.Number());
      break;
    case ValueKind::Real:
      AppendReal(out, value.Real());
      break;
    case ValueKind::RawText:
    case ValueKind::SimpleText:
    case ValueKind::Text:
      AppendString(out, value.Text() ? value.Text() : "");
      break;
    case ValueKind::Point:
      out += '[' + std::to_string(value.Point().column) + ',' + std::to_string(value.Point().row) + ']';
      break;
    case ValueKind::PointPair: {
      const PointPairValue p = value.PointPair();
      out += '[' + std::to_string(p.column1) + ',' + std::to_string(p.row1) + ',' + std::to_string(p.column2) + ',' +
             std::to_string(p.row2) + ']';
      break;
    }
    case ValueKind::Label: {
      const LabelValue label = value.Label();
      out += '[' + std::to_string(label.column) + ',' + std::to_string(label.row) + ',';
      AppendString(out, label.Text());
      out += ']';
      break;
    }
    case ValueKind::Double:
    case ValueKind::Color:
      AppendString(out, std::string(1, value.Letter()));
      break;
  }
}

void AppendProperties(std::string& out, const SgfNode& node) {
  out += '{';
  bool first = true;
  for (const SgfProperty* property : node.Properties()) {
    if (!first) out += ',';
    first = false;
    AppendString(out, IdentifierOf(property->Id()));
    out += ":[";
    bool firstValue = true;
    for (const SgfValue* value : property->Values()) {
      if (!firstValue) out += ',';
      firstValue = false;
      AppendValue(out, *value);
    }
    out += ']';
  }
  out += '}';
}

void AppendMove(std::string& out, const SgfNode& node) {
  for (const PropertyId id : {PROP_B, PROP_W}) {
    const SgfProperty* move = node.FindProperty(id);
    if (!move || !move->FirstValue()) continue;
    const PointValue p = move->FirstValue()->Point();
    std::string text = IdentifierOf(id) + '[';
    if (p.column != 0 || p.row != 0) {
      text += static_cast<char>(p.column + 96);
      text += static_cast<char>(p.row + 96);
    }
    AppendString(out, text + ']');
    return;
  }
  out += "null";
}

void AppendBoard(std::string& out, const Board& board) {
  out += '"';
  for (int row = 1; row < board.RowsPlus1(); ++row) {
    if (row > 1) out += '/';
    for (int column = 1; column < board.ColumnsPlus1(); ++column) {
      const uint16_t word = board.PointWord(column, row);
      out += (word & kPointBlack) ? 'X' : (word & kPointWhite) ? 'O' : '.';
    }
  }
  out += '"';
}

int DepthOf(const SgfNode& node) {
  int depth = 0;
  for (const SgfNode* p = node.Parent(); p; p = p->Parent()) ++depth;
  return depth;
}

}  // namespace

std::string ReplayStepJson(const LoadedRecord& record, long step, int game) {
  const SgfNode& node = *record.Collection().Cursor();
  const AnnotationState& state = record.State();
  const Board& board = record.GetBoard();
  std::string out = "{\"step\":" + std::to_string(step) + ",\"game\":" + std::to_string(game) +
                    ",\"depth\":" + std::to_string(DepthOf(node)) + ",\"move\":";
  AppendMove(out, node);
  out += ",\"board\":";
  AppendBoard(out, board);
  out += ",\"moves\":" + std::to_string(board.MoveCount()) + ",\"setup\":" + std::to_string(board.SetupCount()) +
         ",\"wait\":" + std::to_string(record.Request().FirstWait()) + ",\"pose\":";
  AppendString(out, state.poseCode);
  const ViewRectangle& v = state.view;
  out += ",\"view\":[" + std::to_string(v.xmin) + ',' + std::to_string(v.ymin) + ',' + std::to_string(v.xmax) + ',' +
         std::to_string(v.ymax) + "],\"numbering\":[" + std::to_string(record.Player().NumberingStart()) + ',' +
         std::to_string(state.firstNumber) + "],\"comment\":";
  const char* comment = node.PropertyString(PROP_C);
  if (comment) {
    AppendString(out, comment);
  } else {
    out += "null";
  }
  out += ",\"props\":";
  AppendProperties(out, node);
  out += '}';
  return out;
}

long WriteReplayJson(const std::string& path, SettingsRecord& settings, std::ostream& out) {
  LoadedRecord record(path, settings);
  long step = 0;
  int game = 0;
  out << ReplayStepJson(record, step++, game) << '\n';
  for (;;) {
    const LoadedRecord::Step next = record.NextStep();
    if (next.kind == LoadedRecord::StepKind::End) break;
    if (next.kind == LoadedRecord::StepKind::NewGame) ++game;
    record.ApplyStep(next);
    out << ReplayStepJson(record, step++, game) << '\n';
  }
  return step;
}

}  // namespace tenukiro

#include "sgf_test_support.h"

#include <cstdio>

#include "sgf/sgf_reader.h"

namespace tenukiro::testing {
namespace {

std::string DescribeValue(const SgfValue& value) {
  char buffer[64];
  switch (value.Kind()) {
    case ValueKind::None: return "";
    case ValueKind::Number: return std::to_string(value.Number());
    case ValueKind::Real:
      std::snprintf(buffer, sizeof buffer, "%g", value.Real());
      return buffer;
    case ValueKind::RawText:
    case ValueKind::SimpleText:
    case ValueKind::Text: return value.Text();
    case ValueKind::Point:
      std::snprintf(buffer, sizeof buffer, "%d,%d", value.Point().column, value.Point().row);
      return buffer;
    case ValueKind::PointPair: {
      const PointPairValue pair = value.PointPair();
      std::snprintf(buffer, sizeof buffer, "%d,%d-%d,%d", pair.column1, pair.row1, pair.column2, pair.row2);
      return buffer;
    }
    case ValueKind::Label: {
      const LabelValue label = value.Label();
      std::snprintf(buffer, sizeof buffer, "%d,%d:", label.column, label.row);
      return buffer + std::string(label.Text());
    }
    case ValueKind::Double:
    case ValueKind::Color: return std::string(1, value.Letter());
  }
  return "?";
}

}  // namespace

std::string DescribeNode(const SgfNode* node) {
  if (!node) return "null";
  std::string result;
  for (const SgfProperty* property : node->Properties()) {
    result += static_cast<char>(property->Id() >> 8);
    if (property->Id() & 0xFF) result += static_cast<char>(property->Id() & 0xFF);
    for (const SgfValue* value : property->Values()) result += "[" + DescribeValue(*value) + "]";
  }
  return result;
}

ParsedRecord::ParsedRecord(std::string_view bytes) : text(bytes) { BeginParse(collection, text); }

std::vector<std::string> ParsedRecord::ShowOrder() {
  std::vector<std::string> order;
  SgfNode* node = collection.Cursor();
  if (node) order.push_back(DescribeNode(node));
  while ((node = collection.NextNodePreorder(node, text))) {
    collection.SelectVariation(node);
    collection.SetCursor(node);
    order.push_back(DescribeNode(node));
  }
  return order;
}

}  // namespace tenukiro::testing

#pragma once

// Describes record trees and compares two readings of one record, node by node,
// property by property and value by value. Header-only: the tests and the fuzz
// harness both use it.

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "sgf/game_context.h"
#include "sgf/sgf_arena.h"
#include "sgf/sgf_collection.h"
#include "sgf/sgf_node.h"
#include "sgf/sgf_reader.h"
#include "sgf/sgf_text.h"

namespace tenukiro::testing {

inline std::string DescribeValue(const SgfValue& value) {
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

inline std::string DescribeId(PropertyId id) {
  std::string name(1, static_cast<char>(id >> 8));
  if (id & 0xFF) name += static_cast<char>(id & 0xFF);
  return name;
}

// "B[1,1]C[text]" for a node: each property with its values, typed.
inline std::string DescribeNode(const SgfNode* node) {
  if (!node) return "null";
  std::string result;
  for (const SgfProperty* property : node->Properties()) {
    result += DescribeId(property->Id());
    for (const SgfValue* value : property->Values()) result += "[" + DescribeValue(*value) + "]";
  }
  return result;
}

inline bool SameValue(const SgfValue& a, const SgfValue& b) {
  if (a.Kind() != b.Kind()) return false;
  switch (a.Kind()) {
    case ValueKind::None: return true;
    case ValueKind::Number: return a.Number() == b.Number();
    case ValueKind::Real: {
      const float x = a.Real();
      const float y = b.Real();
      return std::memcmp(&x, &y, sizeof x) == 0;
    }
    case ValueKind::RawText:
    case ValueKind::SimpleText:
    case ValueKind::Text: return std::strcmp(a.Text(), b.Text()) == 0;
    case ValueKind::Point: return a.Point() == b.Point();
    case ValueKind::PointPair: return a.PointPair() == b.PointPair();
    case ValueKind::Label: {
      const LabelValue x = a.Label();
      const LabelValue y = b.Label();
      return x.column == y.column && x.row == y.row && x.Text() == y.Text();
    }
    case ValueKind::Double:
    case ValueKind::Color: return a.Letter() == b.Letter();
  }
  return false;
}

// The first property or value where two nodes differ; empty when they agree.
inline std::string NodeDifference(const SgfNode& a, const SgfNode& b) {
  RingRange<SgfProperty> aProperties = a.Properties();
  RingRange<SgfProperty> bProperties = b.Properties();
  auto ap = aProperties.begin();
  auto bp = bProperties.begin();
  for (int index = 0;; ++ap, ++bp, ++index) {
    const bool aEnd = ap == aProperties.end();
    const bool bEnd = bp == bProperties.end();
    if (aEnd || bEnd) return aEnd == bEnd ? "" : "property count differs";
    auto where = [&] { return "property " + std::to_string(index) + " (" + DescribeId((*ap)->Id()) + ")"; };
    if ((*ap)->Id() != (*bp)->Id()) return where() + " has another identifier";
    RingRange<SgfValue> aValues = (*ap)->Values();
    RingRange<SgfValue> bValues = (*bp)->Values();
    auto av = aValues.begin();
    auto bv = bValues.begin();
    for (int value = 0;; ++av, ++bv, ++value) {
      const bool aLast = av == aValues.end();
      const bool bLast = bv == bValues.end();
      if (aLast || bLast) {
        if (aLast != bLast) return where() + ": value count differs";
        break;
      }
      if (!SameValue(**av, **bv)) return where() + " value " + std::to_string(value) + " differs";
    }
  }
}

// Follows a walk in show order and tells each node's depth (0 for a root), which
// together with the order fixes the shape of the tree. The parent of each node
// is an ancestor of the node before, so the climbs add up to one per node.
class DepthTracker {
 public:
  // The depth of `node`, reached just after `previous`; -1 when `node` does not
  // hang below `previous` or an ancestor of it, which a walk in show order never gives.
  long Step(const SgfNode* previous, const SgfNode* node) {
    const SgfNode* parent = node->Parent();
    if (!parent) return depth_ = 0;
    long depth = depth_;
    for (const SgfNode* level = previous; level != parent; level = level->Parent(), --depth) {
      if (!level) return depth_ = -1;
    }
    return depth_ = depth + 1;
  }

 private:
  long depth_ = 0;
};

// Walks both records in show order, parsing on demand as the show does, and
// returns the first difference in shape (each node's depth), properties, values
// or board size of each game tree, or at the end (nodes left, text not
// finished); empty when the trees are the same.
inline std::string FirstDifference(SgfCollection& a, SgfText& aText, SgfCollection& b, SgfText& bText) {
  DepthTracker aDepth;
  DepthTracker bDepth;
  SgfNode* x = a.Cursor();
  SgfNode* y = b.Cursor();
  long xDepth = 0;
  long yDepth = 0;
  for (long place = 0; x || y; ++place) {
    auto where = [&] { return "node " + std::to_string(place) + " (" + DescribeNode(x) + " | " + DescribeNode(y) + ")"; };
    if (!x || !y) return where() + ": one record ends first";
    if (xDepth != yDepth) return where() + ": depths differ";
    if (x == a.CurrentRoot() || y == b.CurrentRoot()) {
      const bool aSized = a.GetBoardSize();
      if (aSized != b.GetBoardSize() || a.Context().columnsPlus1 != b.Context().columnsPlus1 ||
          a.Context().rowsPlus1 != b.Context().rowsPlus1) {
        return where() + ": board sizes differ";
      }
    }
    if (const std::string difference = NodeDifference(*x, *y); !difference.empty()) return where() + ": " + difference;
    SgfNode* nextX = a.NextNodePreorder(x, aText);
    SgfNode* nextY = b.NextNodePreorder(y, bText);
    if (nextX) xDepth = aDepth.Step(x, nextX);
    if (nextY) yDepth = bDepth.Step(y, nextY);
    for (auto [collection, node] : {std::pair{&a, nextX}, std::pair{&b, nextY}}) {
      collection->SelectVariation(node);
      if (node) collection->SetCursor(node);
    }
    x = nextX;
    y = nextY;
  }
  if (a.NodeCount() != b.NodeCount()) return "node counts differ";
  if (!aText.IsGone() || !bText.IsGone()) return "a text is not finished";
  return "";
}

// Reads texts both ways, the fast reading and the general one alone, and
// compares the trees. The memory of each reading is kept for the next text, as
// the show keeps it: a fresh mapping per record would cost more than reading it.
class ReadingComparison {
 public:
  // Empty when both readings of `bytes` give the same tree, else the first difference.
  std::string Compare(std::string_view bytes) {
    GameContext fastContext;
    GameContext generalContext;
    SgfText fastText(bytes, Reading::Fast);
    SgfText generalText(bytes, Reading::GeneralOnly);
    SgfCollection fast(fastContext, std::move(fastMemory_));
    SgfCollection general(generalContext, std::move(generalMemory_));
    BeginParse(fast, fastText);
    BeginParse(general, generalText);
    std::string difference = FirstDifference(fast, fastText, general, generalText);
    fastMemory_ = std::move(fast).TakeMemory();
    generalMemory_ = std::move(general).TakeMemory();
    return difference;
  }

 private:
  SgfArena fastMemory_;
  SgfArena generalMemory_;
};

}  // namespace tenukiro::testing

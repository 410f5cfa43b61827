#include "sgf/sgf_reader.h"

#include <cstddef>
#include <new>
#include <string_view>

#include "sgf/property_id.h"
#include "sgf/property_table.h"
#include "sgf/sgf_collection.h"
#include "sgf/sgf_text.h"
#include "sgf/value_parsing.h"

namespace tenukiro {
namespace {

constexpr size_t kNoEnd = static_cast<size_t>(-1);

bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }

// The end of the value run that starts at `start` (a '['): the first capital met
// outside a value, or `length`.
size_t MeasureValueRun(const char* text, size_t start, size_t length) {
  bool inValue = false;
  size_t i = start;
  while (i < length) {
    const char c = text[i];
    if (c == '\\') {
      i += 2;
      continue;
    }
    if (c == '[') inValue = true;
    else if (c == ']') inValue = false;
    else if (!inValue && IsCapital(c)) return i;
    ++i;
  }
  return length;
}

// Hands every bracketed value of a run to the property table, escapes still in it.
void ReadValues(SgfProperty& property, const char* run, size_t length, SgfArena& arena) {
  size_t start = 0;
  while (start + 2 <= length) {
    size_t end = start + 1;
    while (end < length && run[end] != ']') end += run[end] == '\\' ? 2 : 1;
    if (end > length) end = length;
    AddPropertyValue(property, std::string_view(run + start + 1, end - start - 1), arena);
    start = end + 1;
  }
}

PropertyId ApplyAlias(PropertyId id) {
  if (id == PROP_M) return PROP_MA;
  if (id == PROP_L) return PROP_LB;
  return id;
}

// Reads the properties of one node's text; the first occurrence of a property wins.
void ReadPropertyList(SgfNode& node, const char* text, size_t length, SgfArena& arena) {
  size_t i = 0;
  while (i + 2 < length) {
    PropertyId id;
    if (text[i + 1] == '[') {
      id = static_cast<PropertyId>(static_cast<unsigned char>(text[i]) << 8);
    } else {
      id = static_cast<PropertyId>((static_cast<unsigned char>(text[i]) << 8) |
                                   static_cast<unsigned char>(text[i + 1]));
      i += 2;
    }
    id = ApplyAlias(id);
    while (i + 1 < length && text[i] != '[') ++i;
    if (text[i] != '[') return;
    const size_t runEnd = MeasureValueRun(text, i, length);
    if (!node.FindProperty(id)) ReadValues(*node.AppendProperty(id), text + i, runEnd - i, arena);
    i = runEnd;
  }
}

class Reader {
 public:
  Reader(SgfCollection& collection, SgfText& text, SgfNode* current)
      : collection_(collection), text_(text), data_(text.Normalized()), current_(current) {}

  // Scans structure from the text's position. True when stopped just after a ')',
  // false at the end of the text (or where the collection can take no more nodes).
  bool ScanToClose() {
    size_t p = text_.Position();
    for (;;) {
      if (p >= text_.Length()) {
        if (!text_.NormalizeMore()) break;
        continue;
      }
      switch (data_[p++]) {
        case '(':
          collection_.PushVariation(current_);
          break;
        case ')':
          current_ = collection_.PopVariation(current_);
          text_.SetPosition(p);
          return true;
        case ';':
          if (collection_.AtNodeLimit()) {
            text_.SetPosition(p);
            return false;
          }
          p = ReadNode(p);
          break;
        default:
          break;
      }
    }
    text_.SetPosition(p);
    return false;
  }

  SgfNode* Current() const { return current_; }

 private:
  // Reads the node whose text starts at `start` (just after its ';') and returns
  // where the structure scan goes on.
  size_t ReadNode(size_t start) {
    if (collection_.VariationStackEmpty()) return start;
    // With a current node the new one becomes its child.
    const bool child = current_ != nullptr;
    SgfNode* node = collection_.CreateNode(current_);
    current_ = node;
    if (child && IsPlainMove(start)) {
      ReadPlainMove(*node, start);
      return start + kPlainMoveLength;
    }
    size_t end = ReadUsualNode(*node, start);
    if (end == kNoEnd) {
      end = NodeEnd(start);
      if (end == kNoEnd) return start;
      ReadPropertyList(*node, data_ + start, end - start, collection_.Arena());
    }
    current_ = collection_.SplitMove(node);
    return end;
  }

  // Most nodes of a game are a move and nothing else: "B[cd]" or "W[cd]" ended by
  // '(', ')' or ';'. Below the root such a node stays whole through the setup/move
  // split, so it is built directly.
  static constexpr size_t kPlainMoveLength = 5;

  bool IsPlainMove(size_t start) {
    if (!Available(start + kPlainMoveLength)) return false;
    const char* move = data_ + start;
    const char end = move[kPlainMoveLength];
    return (move[0] == 'B' || move[0] == 'W') && move[1] == '[' && move[2] != ']' && move[2] != '\\' &&
           move[3] != ']' && move[3] != '\\' && move[4] == ']' && (end == ';' || end == '(' || end == ')');
  }

  void ReadPlainMove(SgfNode& node, size_t start) {
    const char* move = data_ + start;
    SgfProperty* property = node.AppendProperty(move[0] == 'B' ? PROP_B : PROP_W);
    SgfValue* value = property->NewValue(ValueKind::Point, collection_.Arena());
    value->SetPoint(ParsePointText(std::string_view(move + 2, 2)));
    property->AppendValue(value);
  }

  // True when the byte at `i` has been normalised, normalising more as needed.
  bool Available(size_t i) {
    while (i >= text_.Length()) {
      if (!text_.NormalizeMore()) return false;
    }
    return true;
  }

  // Nearly every node is a run of properties, each one or more capitals and then
  // bracketed values, ended by '(', ')' or ';'. Such a node is read in one pass;
  // for it the general reading below gives the same result. Anything else (stray
  // bytes, escapes outside values, the end of the text) gives back the properties
  // read so far and returns kNoEnd, so the general reading takes over.
  size_t ReadUsualNode(SgfNode& node, size_t i) {
    while (Available(i)) {
      const char c = data_[i];
      if (c == '(' || c == ')' || c == ';') return i;
      const size_t values = IdentifierEnd(i);
      if (values == kNoEnd) break;
      const PropertyId id = ReadIdentifier(i, values);
      SgfProperty* property = node.FindProperty(id) ? nullptr : node.AppendProperty(id);
      i = ReadUsualValues(property, values);
      if (i == kNoEnd) break;
    }
    while (SgfProperty* property = node.FirstProperty()) node.RemoveProperty(property->Id());
    return kNoEnd;
  }

  // The '[' after the capitals at `i`, or kNoEnd when the identifier is unusual.
  size_t IdentifierEnd(size_t i) {
    size_t end = i;
    while (Available(end) && IsCapital(data_[end])) ++end;
    if (end == i || !Available(end) || data_[end] != '[') return kNoEnd;
    return end;
  }

  PropertyId ReadIdentifier(size_t i, size_t values) const {
    const auto first = static_cast<unsigned char>(data_[i]);
    const auto second = values == i + 1 ? 0 : static_cast<unsigned char>(data_[i + 1]);
    return ApplyAlias(static_cast<PropertyId>((first << 8) | second));
  }

  // Reads the values from the '[' at `i` into `property` (dropped when null) and
  // returns where the next property starts; kNoEnd when the text ends first.
  size_t ReadUsualValues(SgfProperty* property, size_t i) {
    SgfArena& arena = collection_.Arena();
    while (Available(i) && data_[i] == '[') {
      size_t end = i + 1;
      while (Available(end) && data_[end] != ']') end += data_[end] == '\\' ? 2 : 1;
      if (!Available(end)) return kNoEnd;
      if (property) AddPropertyValue(*property, std::string_view(data_ + i + 1, end - i - 1), arena);
      i = end + 1;
    }
    return Available(i) ? i : kNoEnd;
  }

  // The end of a node's text: the first '(', ')' or ';' outside a value; kNoEnd
  // when the text ends first.
  size_t NodeEnd(size_t start) {
    bool inValue = false;
    size_t i = start;
    for (;;) {
      if (i >= text_.Length()) {
        if (!text_.NormalizeMore()) return kNoEnd;
        continue;
      }
      const char c = data_[i];
      if (c == '\\') {
        i += 2;
        continue;
      }
      if (inValue) {
        if (c == ']') inValue = false;
      } else if (c == '[') {
        inValue = true;
      } else if (c == '(' || c == ')' || c == ';') {
        return i;
      }
      ++i;
    }
  }

  SgfCollection& collection_;
  SgfText& text_;
  const char* data_;
  SgfNode* current_;
};

// Memory running out while a record is read ends the record there, as its end of
// text would: the show plays what was read instead of stopping.
bool ScanSafely(Reader& reader) {
  try {
    return reader.ScanToClose();
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace

void BeginParse(SgfCollection& collection, SgfText& text) {
  collection.ResetParse();
  if (text.IsGone()) return;
  text.SetPosition(0);
  Reader reader(collection, text, nullptr);
  if (ScanSafely(reader)) {
    collection.CloseFirstTree();
    collection.SetResumeNode(reader.Current());
  } else {
    FinishParse(collection, text);
  }
  collection.SetCursor(collection.CurrentRoot());
}

void ContinueParse(SgfCollection& collection, SgfText& text) {
  if (text.IsGone()) return;
  Reader reader(collection, text, collection.ResumeNode());
  if (ScanSafely(reader)) {
    collection.CloseVariation();
    collection.SetResumeNode(reader.Current());
  } else {
    FinishParse(collection, text);
  }
}

void FinishParse(SgfCollection& collection, SgfText& text) {
  text.Release();
  collection.FinishTree();
}

}  // namespace tenukiro

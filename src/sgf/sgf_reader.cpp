#include "sgf/sgf_reader.h"

#include <cstddef>
#include <new>
#include <string_view>

#include "sgf/property_list.h"
#include "sgf/property_table.h"
#include "sgf/sgf_collection.h"
#include "sgf/sgf_normalize.h"
#include "sgf/sgf_text.h"
#include "sgf/value_parsing.h"
#include "sgf/value_scan.h"

namespace tenukiro {
namespace {

constexpr size_t kNoEnd = static_cast<size_t>(-1);

bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }
bool EndsNode(char c) { return c == '(' || c == ')' || c == ';'; }

// The reader goes through the raw text once. Normalisation is not a pass of its
// own: the structure scan follows its in-value flag, values are normalised by
// the value scan that finds their end, and a node of unusual shape is normalised
// in place just before the general reading takes it. This gives the same tree as
// normalising the whole text first: the structure characters are the same in
// both texts, and a node that starts outside a value (as every usual one does)
// sees its values where normalisation sees them. A node that starts inside one
// goes to the general reading.
class Reader {
 public:
  Reader(SgfCollection& collection, SgfText& text, SgfNode* current)
      : collection_(collection),
        text_(text),
        data_(text.Bytes()),
        size_(text.Size()),
        fast_(text.HowRead() == Reading::Fast),
        charset_(text.Charset().doubleByte),
        current_(current) {}

  // Scans structure from the text's position. True when stopped just after a ')',
  // false at the end of the text (or where the collection can take no more nodes).
  bool ScanToClose() {
    size_t p = text_.Position();
    bool inValue = text_.InValue();
    while (p < size_) {
      switch (data_[p++]) {
        case '(':
          if (!current_ && collection_.VariationStackEmpty()) {
            collection_.PushVariation(current_);
            p = ReadRootBeforeNode(p, inValue);
          } else {
            collection_.PushVariation(current_);
          }
          break;
        case ')':
          current_ = collection_.PopVariation(current_);
          text_.SetPosition(p, inValue);
          return true;
        case ';':
          if (collection_.AtNodeLimit()) {
            text_.SetPosition(p, inValue);
            return false;
          }
          p = ReadNode(p, inValue);
          break;
        case '[':
          inValue = true;
          break;
        case ']':
          inValue = false;
          break;
        case '\\':
          // The escaped byte never opens or closes a value; a '(', ')' or ';'
          // still counts as structure, as in the normalised text. In a value the
          // escaped character may be two bytes.
          if (inValue && PairAt(charset_, data_, p, size_)) p += 2;
          else if (p < size_ && (data_[p] == '[' || data_[p] == ']' || data_[p] == '\\')) ++p;
          break;
        default:
          if (inValue && PairAt(charset_, data_, p - 1, size_)) ++p;
          break;
      }
    }
    text_.SetPosition(p, inValue);
    return false;
  }

  SgfNode* Current() const { return current_; }

 private:
  // Reads the node whose text starts at `start` (just after its ';') and returns
  // where the structure scan goes on, with normalisation's in-value flag there.
  size_t ReadNode(size_t start, bool& inValue) {
    if (collection_.VariationStackEmpty()) return start;
    // With a current node the new one becomes its child.
    const bool child = current_ != nullptr;
    SgfNode* node = collection_.CreateNode(current_);
    current_ = node;
    if (fast_ && !inValue) {
      if (child) {
        const size_t end = PlainMoveEnd(start);
        if (end != kNoEnd) {
          ReadPlainMove(*node, start);
          return end;
        }
      }
      const size_t end = ReadUsualNode(*node, start);
      if (end != kNoEnd) {
        current_ = collection_.SplitMove(node);
        return end;
      }
    }
    const size_t end = FirstOutsideValues(data_, start, size_, charset_, EndsNode);
    // A node whose text runs to the end has none: the scan goes on after its ';'.
    if (end >= size_) return start;
    ReadGenerally(*node, start, end, inValue);
    current_ = collection_.SplitMove(node);
    return end;
  }

  // Game information written between a game tree's '(' and its first ';' (as the
  // files of some Go associations have it) belongs to the root: it is read as the
  // start of the root's text, which the first node's text then continues. Returns
  // where the structure scan goes on; `start` (just after the '(') when no
  // property stands there.
  size_t ReadRootBeforeNode(size_t start, bool& inValue) {
    const size_t first = SkipDropped(start);
    if (first >= size_ || !IsCapital(data_[first]) || collection_.AtNodeLimit()) return start;
    const size_t end = FirstOutsideValues(data_, start, size_, charset_, EndsNode);
    if (end >= size_) return start;
    SgfNode* root = collection_.CreateNode(nullptr);
    current_ = root;
    ReadGenerally(*root, start, end, inValue);
    size_t next = end;
    if (data_[end] == ';') {
      next = FirstOutsideValues(data_, end + 1, size_, charset_, EndsNode);
      // The first node's text runs to the end: the scan goes on after its ';'.
      if (next >= size_) {
        current_ = collection_.SplitMove(root);
        return end + 1;
      }
      ReadGenerally(*root, end + 1, next, inValue);
    }
    current_ = collection_.SplitMove(root);
    return next;
  }

  // Reads the node's text by the general rules, normalising it in place first
  // (the scan never comes back to it) unless the whole text was normalised
  // before reading; then the in-value flag serves nothing either.
  void ReadGenerally(SgfNode& node, size_t start, size_t end, bool& inValue) {
    size_t read = start;
    size_t write = end;
    if (fast_) {
      write = start;
      NormalizeRange(data_, end, end, read, write, inValue, charset_);
    }
    ReadPropertyList(node, data_ + start, write - start, collection_.Arena(), charset_);
  }

  // Most nodes of a game are a move and nothing else: "B[cd]" or "W[cd]" ended by
  // '(', ')' or ';', perhaps after a line break. Below the root such a node stays
  // whole through the setup/move split, so it is built directly. Returns the
  // node's end, or kNoEnd when it is not such a node.
  size_t PlainMoveEnd(size_t start) {
    constexpr size_t kMoveLength = 5;
    if (start + kMoveLength >= size_) return kNoEnd;
    const char* move = data_ + start;
    if ((move[0] != 'B' && move[0] != 'W') || move[1] != '[') return kNoEnd;
    if (ValueEnd(data_, start + 2, start + kMoveLength, charset_) != start + 4) return kNoEnd;
    const size_t end = EndsNode(move[kMoveLength]) ? start + kMoveLength : SkipDropped(start + kMoveLength);
    return end < size_ && EndsNode(data_[end]) ? end : kNoEnd;
  }

  void ReadPlainMove(SgfNode& node, size_t start) {
    const char* move = data_ + start;
    SgfProperty* property = node.AppendProperty(move[0] == 'B' ? PROP_B : PROP_W);
    SgfValue* value = property->NewValue(ValueKind::Point, collection_.Arena());
    value->SetPoint(ParsePointText(std::string_view(move + 2, 2)));
    property->AppendValue(value);
  }

  // The next byte from `i` on that normalisation keeps outside a value.
  size_t SkipDropped(size_t i) const {
    while (i < size_ && !kKeptOutside[static_cast<unsigned char>(data_[i])]) ++i;
    return i;
  }

  // Nearly every node is a run of properties, each capitals and then bracketed
  // values, with only bytes that normalisation drops between them, ended by '(',
  // ')' or ';'. Such a node is read straight from the raw text. Anything else (an
  // escape or a '[' without identifier outside a value, capitals without values,
  // the end of the text) gives back the properties read so far and returns
  // kNoEnd, so the general reading takes over.
  size_t ReadUsualNode(SgfNode& node, size_t i) {
    for (i = SkipDropped(i); i < size_; i = SkipDropped(i)) {
      if (EndsNode(data_[i])) return i;
      PropertyId id = 0;
      i = ReadIdentifier(i, id);
      if (i == kNoEnd) break;
      i = ReadUsualValues(PropertyToFill(node, id), i);
      if (i == kNoEnd) break;
    }
    while (SgfProperty* property = node.FirstProperty()) node.RemoveProperty(property->Id());
    return kNoEnd;
  }

  // Reads the identifier at `i` (its first two capitals count) and returns the
  // '[' after it; kNoEnd when it is unusual.
  size_t ReadIdentifier(size_t i, PropertyId& id) const {
    if (!IsCapital(data_[i])) return kNoEnd;
    unsigned first = static_cast<unsigned char>(data_[i]);
    unsigned second = 0;
    for (i = SkipDropped(i + 1); i < size_ && IsCapital(data_[i]); i = SkipDropped(i + 1)) {
      if (!second) second = static_cast<unsigned char>(data_[i]);
    }
    if (i >= size_ || data_[i] != '[') return kNoEnd;
    id = ApplyAlias(static_cast<PropertyId>((first << 8) | second));
    return i;
  }

  // Reads the values from the '[' at `i` and returns where the next property
  // starts; kNoEnd when the text ends first.
  size_t ReadUsualValues(SgfProperty& property, size_t i) {
    SgfArena& arena = collection_.Arena();
    while (i < size_ && data_[i] == '[') {
      const size_t end = ValueEnd(data_, i + 1, size_, charset_);
      if (end >= size_) return kNoEnd;
      AddPropertyValue(property, std::string_view(data_ + i + 1, end - i - 1), arena, charset_);
      i = SkipDropped(end + 1);
    }
    return i < size_ ? i : kNoEnd;
  }

  SgfCollection& collection_;
  SgfText& text_;
  char* data_;
  size_t size_;
  bool fast_;
  const DoubleByteCharset* charset_;
  SgfNode* current_;
};

// Memory running out while a record is read, or its file being cut short, ends the
// record there, as its end of text would: the show plays what was read instead of
// stopping.
bool ScanSafely(Reader& reader, SgfText& text) {
  bool closed = false;
  const bool whole = text.Guard([&] {
    try {
      closed = reader.ScanToClose();
    } catch (const std::bad_alloc&) {
      closed = false;
    }
  });
  return whole && closed;
}

}  // namespace

void BeginParse(SgfCollection& collection, SgfText& text) {
  collection.ResetParse();
  if (text.IsGone()) return;
  text.SetPosition(0, false);
  collection.SetCharset(text.Charset());
  Reader reader(collection, text, nullptr);
  if (ScanSafely(reader, text)) {
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
  if (ScanSafely(reader, text)) {
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

#include "sgf/value_parsing.h"

#include <algorithm>
#include <cstring>

#include "sgf/sgf_arena.h"
#include "sgf/sgf_property.h"

namespace tenukiro {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

bool IsControl(char c) {
  const unsigned char code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 31;
}

// Stores the rectangle's first point in `value` and every further one, column by
// column, in a new value inserted just before `value`.
void ExpandRectangle(SgfProperty& property, SgfValue& value, std::string_view content, SgfArena& arena) {
  const int firstColumn = std::max<int>(PointCoordinate(content[0]), 1);
  const int firstRow = std::max<int>(PointCoordinate(content[1]), 1);
  const int lastColumn = std::min<int>(PointCoordinate(content[3]), kMaxRectangleCoordinate);
  const int lastRow = std::min<int>(PointCoordinate(content[4]), kMaxRectangleCoordinate);
  bool first = true;
  for (int column = firstColumn; column <= lastColumn; ++column) {
    for (int row = firstRow; row <= lastRow; ++row) {
      const PointValue point{static_cast<int8_t>(column), static_cast<int8_t>(row)};
      if (first) {
        value.SetPoint(point);
        first = false;
        continue;
      }
      SgfValue* extra = property.NewValue(ValueKind::Point, arena);
      extra->SetPoint(point);
      property.InsertValueBefore(&value, extra);
    }
  }
}

LabelValue ParseLabel(const SgfProperty& property, const SgfValue& value, std::string_view content) {
  LabelValue label;
  if (content.size() < 2) return label;
  label.column = PointCoordinate(content[0]);
  label.row = PointCoordinate(content[1]);
  if (content.size() == 2) {
    // Old files write bare points; they are lettered a, b, c... in order.
    const bool firstValue = property.FirstValue() == &value;
    const LabelValue previous = value.Previous()->Label();
    label.text[0] = firstValue ? 'a' : static_cast<char>(previous.text[0] + 1);
    label.length = 1;
    return label;
  }
  const size_t end = std::min<size_t>(content.size(), 3 + LabelValue::kMaxLength);
  label.length = static_cast<uint8_t>(end - 3);
  std::memcpy(label.text, content.data() + 3, label.length);
  return label;
}

char* CopyText(std::string_view content, SgfArena& arena) {
  return arena.CopyString(content.data(), content.size());
}

}  // namespace

int16_t ParseNumberText(std::string_view content) {
  uint16_t number = 0;
  for (char c : content) {
    if (IsDigit(c)) number = static_cast<uint16_t>(number * 10 + (c - '0'));
  }
  if (!content.empty() && content[0] == '-') number = static_cast<uint16_t>(0u - number);
  return static_cast<int16_t>(number);
}

float ParseRealText(std::string_view content) {
  float number = 0.0f;
  size_t separator = std::string_view::npos;
  for (size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (IsDigit(c)) number = number * 10.0f + static_cast<float>(c - '0');
    else if (c == '.' || c == ',') separator = i;
  }
  if (separator != std::string_view::npos) {
    for (size_t i = separator + 1; i < content.size(); ++i) number /= 10.0f;
  }
  if (!content.empty() && content[0] == '-') number = -number;
  return number;
}

size_t UnescapeSimpleText(char* text, size_t length, const DoubleByteCharset* charset) {
  size_t read = 0;
  size_t write = 0;
  while (read < length) {
    const char c = text[read];
    if (c == '\\') {
      ++read;
      if (read < length && IsLineBreak(text[read])) {
        const char lineBreak = text[read++];
        if (read < length && IsLineBreak(text[read]) && text[read] != lineBreak) ++read;
        continue;
      }
      if (PairAt(charset, text, read, length)) text[write++] = text[read++];
      if (read < length) text[write++] = text[read++];
      continue;
    }
    if (PairAt(charset, text, read, length)) {
      text[write++] = text[read++];
      text[write++] = text[read++];
      continue;
    }
    text[write++] = IsControl(c) ? ' ' : c;
    ++read;
  }
  text[write] = '\0';
  return write;
}

size_t UnescapeText(char* text, size_t length, const DoubleByteCharset* charset) {
  size_t read = 0;
  size_t write = 0;
  while (read < length) {
    if (text[read] == '\\') ++read;
    if (read == length) break;
    if (PairAt(charset, text, read, length)) {
      text[write++] = text[read++];
      text[write++] = text[read++];
      continue;
    }
    const char c = text[read++];
    text[write++] = IsControl(c) && !IsLineBreak(c) ? ' ' : c;
  }
  text[write] = '\0';
  return write;
}

PointPairValue ParsePointPairText(std::string_view content) {
  if (content.size() != 5) return {};
  return {PointCoordinate(content[0]), PointCoordinate(content[1]), PointCoordinate(content[3]), PointCoordinate(content[4])};
}

void ParseValue(SgfProperty& property, SgfValue& value, std::string_view content, SgfArena& arena,
                const DoubleByteCharset* charset) {
  switch (value.Kind()) {
    case ValueKind::None: break;
    case ValueKind::Number: value.SetNumber(ParseNumberText(content)); break;
    case ValueKind::Real: value.SetReal(ParseRealText(content)); break;
    case ValueKind::RawText: value.SetText(CopyText(content, arena)); break;
    case ValueKind::SimpleText: {
      char* text = CopyText(content, arena);
      UnescapeSimpleText(text, content.size(), charset);
      value.SetText(text);
      break;
    }
    case ValueKind::Text: {
      char* text = CopyText(content, arena);
      UnescapeText(text, content.size(), charset);
      value.SetText(text);
      break;
    }
    case ValueKind::Point:
      if (content.size() == 5) ExpandRectangle(property, value, content, arena);
      else value.SetPoint(ParsePointText(content));
      break;
    case ValueKind::PointPair: value.SetPointPair(ParsePointPairText(content)); break;
    case ValueKind::Label: value.SetLabel(ParseLabel(property, value, content)); break;
    case ValueKind::Double: value.SetLetter(content == "1" ? '1' : '2'); break;
    case ValueKind::Color: value.SetLetter(content == "B" ? 'B' : 'W'); break;
  }
}

}  // namespace tenukiro

#pragma once

#include <cstdint>
#include <string_view>

namespace tenukiro {

// The type of a property value; the property table chooses it from the identifier.
enum class ValueKind : uint8_t {
  None,        // NoneValue: no payload
  Number,      // NumberValue: signed 16-bit integer
  Real,        // RealValue: 32-bit float
  RawText,     // RawTextValue: text with escapes kept
  SimpleText,  // SimpleTextValue: text without line breaks
  Text,        // TextValue: text with line breaks kept
  Point,       // PointValue: column and row
  PointPair,   // PointPairValue: two points
  Label,       // LabelValue: a point and up to four characters
  Double,      // DoubleValue: '1' or '2'
  Color,       // ColorValue: 'B' or 'W'
};

// "NumberValue", "PointValue", ... for each kind.
const char* ValueKindName(ValueKind kind);

// A board point, 1-based ('a' is 1); (0, 0) is no point, which plays as a pass.
struct PointValue {
  int8_t column = 0;
  int8_t row = 0;
  friend bool operator==(const PointValue&, const PointValue&) = default;
};

struct PointPairValue {
  int8_t column1 = 0;
  int8_t row1 = 0;
  int8_t column2 = 0;
  int8_t row2 = 0;
  friend bool operator==(const PointPairValue&, const PointPairValue&) = default;
};

struct LabelValue {
  static constexpr int kMaxLength = 4;
  int8_t column = 0;
  int8_t row = 0;
  uint8_t length = 0;  // 0..kMaxLength
  char text[kMaxLength] = {};
  std::string_view Text() const { return std::string_view(text, length); }
};

// One value of a property. The values of a property form a ring in file order
// (a value alone is its own neighbour). The payload accessors return the initial
// value of their type when asked of another kind, so a reader never sees garbage.
class SgfValue {
 public:
  ValueKind Kind() const { return kind_; }
  bool IsText() const {
    return kind_ == ValueKind::RawText || kind_ == ValueKind::SimpleText || kind_ == ValueKind::Text;
  }

  SgfValue* Next() const { return next_; }
  SgfValue* Previous() const { return previous_; }

  int16_t Number() const { return kind_ == ValueKind::Number ? payload_.number : 0; }
  float Real() const { return kind_ == ValueKind::Real ? payload_.real : 0.0f; }
  // The NUL-terminated string of a text value; null for other kinds.
  const char* Text() const { return IsText() ? payload_.text : nullptr; }
  PointValue Point() const { return kind_ == ValueKind::Point ? payload_.point : PointValue{}; }
  PointPairValue PointPair() const {
    return kind_ == ValueKind::PointPair ? payload_.pointPair : PointPairValue{};
  }
  LabelValue Label() const { return kind_ == ValueKind::Label ? payload_.label : LabelValue{}; }
  // '1' or '2' for a DoubleValue, 'B' or 'W' for a ColorValue, 0 otherwise.
  char Letter() const {
    return kind_ == ValueKind::Double || kind_ == ValueKind::Color ? payload_.letter : '\0';
  }

  // Setters used by the reader and the tree edits. SetKind resets the payload to
  // the type's initial value; a text value's string belongs to the collection's arena.
  void SetKind(ValueKind kind);
  void SetNumber(int16_t number) { payload_.number = number; }
  void SetReal(float real) { payload_.real = real; }
  void SetText(char* text) { payload_.text = text; }
  char* MutableText() const { return IsText() ? payload_.text : nullptr; }
  void SetPoint(PointValue point) { payload_.point = point; }
  void SetPointPair(PointPairValue pair) { payload_.pointPair = pair; }
  void SetLabel(const LabelValue& label) { payload_.label = label; }
  void SetLetter(char letter) { payload_.letter = letter; }

 private:
  friend class SgfProperty;

  union Payload {
    int16_t number;
    float real;
    char* text;
    PointValue point;
    PointPairValue pointPair;
    LabelValue label;
    char letter;
  };

  SgfValue* next_ = this;
  SgfValue* previous_ = this;
  Payload payload_{.text = nullptr};
  ValueKind kind_ = ValueKind::None;
};

}  // namespace tenukiro

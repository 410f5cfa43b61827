#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

#include "sgf/arena_link.h"

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
// Values live in their collection's arena and link by distance, so they are never
// copied.
class SgfValue {
 public:
  SgfValue() = default;
  SgfValue(const SgfValue&) = delete;
  SgfValue& operator=(const SgfValue&) = delete;

  ValueKind Kind() const { return kind_; }
  bool IsText() const {
    return kind_ == ValueKind::RawText || kind_ == ValueKind::SimpleText || kind_ == ValueKind::Text;
  }

  SgfValue* Next() const { return FollowLink<SgfValue>(this, next_); }
  SgfValue* Previous() const { return FollowLink<SgfValue>(this, previous_); }

  int16_t Number() const { return kind_ == ValueKind::Number ? Load<int16_t>() : 0; }
  float Real() const { return kind_ == ValueKind::Real ? Load<float>() : 0.0f; }
  // The NUL-terminated string of a text value; null for other kinds.
  const char* Text() const { return MutableText(); }
  PointValue Point() const { return kind_ == ValueKind::Point ? Load<PointValue>() : PointValue{}; }
  PointPairValue PointPair() const {
    return kind_ == ValueKind::PointPair ? Load<PointPairValue>() : PointPairValue{};
  }
  LabelValue Label() const { return kind_ == ValueKind::Label ? Load<LabelValue>() : LabelValue{}; }
  // '1' or '2' for a DoubleValue, 'B' or 'W' for a ColorValue, 0 otherwise.
  char Letter() const {
    return kind_ == ValueKind::Double || kind_ == ValueKind::Color ? Load<char>() : '\0';
  }

  // Setters used by the reader and the tree edits. SetKind resets the payload to
  // the type's initial value; a text value's string belongs to the collection's arena.
  void SetKind(ValueKind kind) {
    kind_ = kind;
    std::memset(payload_, 0, sizeof payload_);
    if (kind == ValueKind::Double) Store('1');
    else if (kind == ValueKind::Color) Store('W');
  }
  void SetNumber(int16_t number) { Store(number); }
  void SetReal(float real) { Store(real); }
  void SetText(char* text) { Store(MakeOptionalLink(this, text)); }
  char* MutableText() const { return IsText() ? FollowOptionalLink<char>(this, Load<ArenaLink>()) : nullptr; }
  void SetPoint(PointValue point) { Store(point); }
  void SetPointPair(PointPairValue pair) { Store(pair); }
  void SetLabel(const LabelValue& label) { Store(label); }
  void SetLetter(char letter) { Store(letter); }

 private:
  friend class SgfProperty;

  // The largest payload is a label; a text value keeps a link to its string.
  static constexpr size_t kPayloadSize = sizeof(LabelValue);

  template <class T>
  T Load() const {
    static_assert(sizeof(T) <= kPayloadSize && std::is_trivially_copyable_v<T>);
    T value;
    std::memcpy(&value, payload_, sizeof(T));
    return value;
  }
  template <class T>
  void Store(const T& value) {
    static_assert(sizeof(T) <= kPayloadSize && std::is_trivially_copyable_v<T>);
    std::memcpy(payload_, &value, sizeof(T));
  }

  ArenaLink next_ = 0;
  ArenaLink previous_ = 0;
  unsigned char payload_[kPayloadSize] = {};
  ValueKind kind_ = ValueKind::None;
};

}  // namespace tenukiro

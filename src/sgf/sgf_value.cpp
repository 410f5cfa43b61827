#include "sgf/sgf_value.h"

#include <cstring>

namespace tenukiro {

const char* ValueKindName(ValueKind kind) {
  switch (kind) {
    case ValueKind::None: return "NoneValue";
    case ValueKind::Number: return "NumberValue";
    case ValueKind::Real: return "RealValue";
    case ValueKind::RawText: return "RawTextValue";
    case ValueKind::SimpleText: return "SimpleTextValue";
    case ValueKind::Text: return "TextValue";
    case ValueKind::Point: return "PointValue";
    case ValueKind::PointPair: return "PointPairValue";
    case ValueKind::Label: return "LabelValue";
    case ValueKind::Double: return "DoubleValue";
    case ValueKind::Color: return "ColorValue";
  }
  return "NoneValue";
}

void SgfValue::SetKind(ValueKind kind) {
  kind_ = kind;
  std::memset(payload_, 0, sizeof payload_);
  if (kind == ValueKind::Double) Store('1');
  else if (kind == ValueKind::Color) Store('W');
}

}  // namespace tenukiro

#include "sgf/sgf_value.h"

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

}  // namespace tenukiro

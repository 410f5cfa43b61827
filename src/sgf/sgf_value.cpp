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

void SgfValue::SetKind(ValueKind kind) {
  kind_ = kind;
  switch (kind) {
    case ValueKind::Number: payload_.number = 0; break;
    case ValueKind::Real: payload_.real = 0.0f; break;
    case ValueKind::Point: payload_.point = PointValue{}; break;
    case ValueKind::PointPair: payload_.pointPair = PointPairValue{}; break;
    case ValueKind::Label: payload_.label = LabelValue{}; break;
    case ValueKind::Double: payload_.letter = '1'; break;
    case ValueKind::Color: payload_.letter = 'W'; break;
    default: payload_.text = nullptr; break;
  }
}

}  // namespace tenukiro

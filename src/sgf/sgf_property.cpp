#include "sgf/sgf_property.h"

namespace tenukiro {

void SgfProperty::AppendValue(SgfValue* value) {
  if (!firstValue_) {
    value->next_ = value->previous_ = value;
    firstValue_ = value;
    ++valueCount_;
    return;
  }
  InsertValueBefore(firstValue_, value);
}

void SgfProperty::InsertValueBefore(SgfValue* before, SgfValue* value) {
  value->next_ = before;
  value->previous_ = before->previous_;
  before->previous_->next_ = value;
  before->previous_ = value;
  ++valueCount_;
}

void SgfProperty::UnlinkValue(SgfValue* value) {
  if (value == firstValue_) firstValue_ = value->next_ == value ? nullptr : value->next_;
  value->previous_->next_ = value->next_;
  value->next_->previous_ = value->previous_;
  value->next_ = value->previous_ = value;
  --valueCount_;
}

}  // namespace tenukiro

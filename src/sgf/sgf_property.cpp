#include "sgf/sgf_property.h"

#include "sgf/sgf_arena.h"

namespace tenukiro {

size_t SgfProperty::ValueCount() const {
  size_t count = 0;
  for ([[maybe_unused]] const SgfValue* value : Values()) ++count;
  return count;
}

void SgfProperty::InsertValueBefore(SgfValue* before, SgfValue* value) {
  SgfValue* previous = before->Previous();
  value->next_ = MakeLink(value, before);
  value->previous_ = MakeLink(value, previous);
  previous->next_ = MakeLink(previous, value);
  before->previous_ = MakeLink(before, value);
}

void SgfProperty::UnlinkValue(SgfValue* value) {
  SgfValue* next = value->Next();
  SgfValue* previous = value->Previous();
  if (value == FirstValue()) firstValue_ = next == value ? 0 : MakeLink(this, next);
  previous->next_ = MakeLink(previous, next);
  next->previous_ = MakeLink(next, previous);
  value->next_ = value->previous_ = 0;
}

SgfValue* SgfProperty::NewValueFrom(SgfArena& arena) { return arena.New<SgfValue>(); }

void SgfProperty::ClearValues(SgfArena& arena) {
  while (SgfValue* value = FirstValue()) {
    UnlinkValue(value);
    arena.DeleteString(value->MutableText());
    if (value != &ownValue_) arena.Delete(value);
  }
}

}  // namespace tenukiro

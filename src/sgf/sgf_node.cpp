#include "sgf/sgf_node.h"

#include "sgf/sgf_arena.h"
#include "sgf/sgf_collection.h"

namespace tenukiro {

bool SgfNode::IsFirstChild() const {
  const SgfNode* parent = Parent();
  return parent ? parent->FirstChild() == this : Collection().FirstRoot() == this;
}

bool SgfNode::IsSelected() const {
  const SgfNode* parent = Parent();
  return parent ? parent->SelectedChild() == this : Collection().SelectedRoot() == this;
}

SgfProperty* SgfNode::FindProperty(PropertyId id) const {
  for (SgfProperty* property : Properties()) {
    if (property->Id() == id) return property;
  }
  return nullptr;
}

const char* SgfNode::PropertyString(PropertyId id) const {
  const SgfProperty* property = FindProperty(id);
  if (!property || !property->FirstValue()) return nullptr;
  return property->FirstValue()->Text();
}

std::optional<PointValue> SgfNode::PropertyPoint(PropertyId id) const {
  const SgfProperty* property = FindProperty(id);
  if (!property || !property->FirstValue() || property->FirstValue()->Kind() != ValueKind::Point) {
    return std::nullopt;
  }
  return property->FirstValue()->Point();
}

SgfProperty* SgfNode::AppendPropertyFromArena(PropertyId id) {
  SgfProperty* property = Collection().Arena().New<SgfProperty>();
  property->SetId(id);
  SgfProperty* first = FirstProperty();
  SgfProperty* last = first->Previous();
  property->next_ = MakeLink(property, first);
  property->previous_ = MakeLink(property, last);
  last->next_ = MakeLink(last, property);
  first->previous_ = MakeLink(first, property);
  return property;
}

void SgfNode::SetRawText(PropertyId id, std::string_view text) {
  SgfArena& arena = Collection().Arena();
  SgfProperty* property = FindProperty(id);
  if (!property) property = AppendProperty(id);
  SgfValue* value = property->FirstValue();
  if (!value) {
    value = property->NewValue(ValueKind::RawText, arena);
    property->AppendValue(value);
  }
  arena.DeleteString(value->MutableText());
  value->SetKind(ValueKind::RawText);
  value->SetText(arena.CopyString(text.data(), text.size()));
}

void SgfNode::SetPoint(PropertyId id, PointValue point) {
  SgfProperty* property = FindProperty(id);
  if (!property) property = AppendProperty(id);
  SgfArena& arena = Collection().Arena();
  if (SgfValue* first = property->FirstValue()) {
    if (id == PROP_B || id == PROP_W) {
      arena.DeleteString(first->MutableText());
      first->SetKind(ValueKind::Point);
      first->SetPoint(point);
      return;
    }
    for (const SgfValue* value : property->Values()) {
      if (value->Kind() == ValueKind::Point && value->Point() == point) return;
    }
  }
  SgfValue* value = property->NewValue(ValueKind::Point, arena);
  value->SetPoint(point);
  property->AppendValue(value);
}

void SgfNode::RemoveProperty(PropertyId id) {
  SgfProperty* property = FindProperty(id);
  if (!property) return;
  SgfArena& arena = Collection().Arena();
  property->ClearValues(arena);
  SgfProperty* next = property->Next();
  SgfProperty* previous = property->Previous();
  if (property == FirstProperty()) firstProperty_ = next == property ? 0 : MakeLink(this, next);
  previous->next_ = MakeLink(previous, next);
  next->previous_ = MakeLink(next, previous);
  if (property != &ownProperty_) arena.Delete(property);
}

}  // namespace tenukiro

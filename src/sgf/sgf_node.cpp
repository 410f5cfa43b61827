#include "sgf/sgf_node.h"

#include "sgf/sgf_arena.h"
#include "sgf/sgf_collection.h"

namespace tenukiro {

bool SgfNode::IsFirstChild() const {
  return parent_ ? parent_->firstChild_ == this : collection_->FirstRoot() == this;
}

bool SgfNode::IsSelected() const {
  return parent_ ? parent_->selectedChild_ == this : collection_->SelectedRoot() == this;
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

SgfProperty* SgfNode::AppendProperty(PropertyId id) {
  SgfProperty* property = collection_->Arena().New<SgfProperty>();
  property->SetId(id);
  if (!firstProperty_) {
    firstProperty_ = property;
    return property;
  }
  property->next_ = firstProperty_;
  property->previous_ = firstProperty_->previous_;
  firstProperty_->previous_->next_ = property;
  firstProperty_->previous_ = property;
  return property;
}

void SgfNode::SetRawText(PropertyId id, std::string_view text) {
  SgfArena& arena = collection_->Arena();
  SgfProperty* property = FindProperty(id);
  if (!property) property = AppendProperty(id);
  SgfValue* value = property->FirstValue();
  if (!value) {
    value = arena.New<SgfValue>();
    property->AppendValue(value);
  }
  arena.DeleteString(value->MutableText());
  value->SetKind(ValueKind::RawText);
  value->SetText(arena.CopyString(text.data(), text.size()));
}

void SgfNode::SetPoint(PropertyId id, PointValue point) {
  SgfProperty* property = FindProperty(id);
  if (!property) property = AppendProperty(id);
  if (SgfValue* first = property->FirstValue()) {
    if (id == PROP_B || id == PROP_W) {
      collection_->Arena().DeleteString(first->MutableText());
      first->SetKind(ValueKind::Point);
      first->SetPoint(point);
      return;
    }
    for (const SgfValue* value : property->Values()) {
      if (value->Kind() == ValueKind::Point && value->Point() == point) return;
    }
  }
  SgfValue* value = collection_->Arena().New<SgfValue>();
  value->SetKind(ValueKind::Point);
  value->SetPoint(point);
  property->AppendValue(value);
}

void SgfNode::RemoveProperty(PropertyId id) {
  SgfProperty* property = FindProperty(id);
  if (!property) return;
  SgfArena& arena = collection_->Arena();
  while (SgfValue* value = property->FirstValue()) {
    property->UnlinkValue(value);
    arena.DeleteString(value->MutableText());
    arena.Delete(value);
  }
  if (property == firstProperty_) {
    firstProperty_ = property->next_ == property ? nullptr : property->next_;
  }
  property->previous_->next_ = property->next_;
  property->next_->previous_ = property->previous_;
  arena.Delete(property);
}

}  // namespace tenukiro

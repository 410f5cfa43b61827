#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

#include "sgf/arena_link.h"
#include "sgf/property_id.h"
#include "sgf/ring_range.h"
#include "sgf/sgf_value.h"

namespace tenukiro {

class SgfArena;

// One property of a node: its identifier and its values, a ring in file order
// walked from the first value. The properties of a node form a ring too. Nearly
// every property has one value, so a property carries room for one inside it.
class SgfProperty {
 public:
  SgfProperty() = default;
  SgfProperty(const SgfProperty&) = delete;
  SgfProperty& operator=(const SgfProperty&) = delete;

  PropertyId Id() const { return id_; }
  // Null until a value is added.
  SgfValue* FirstValue() const { return FollowOptionalLink<SgfValue>(this, firstValue_); }
  // Counted along the ring: a count kept in every property would cost each move
  // node four bytes, and the program asks for it rarely.
  size_t ValueCount() const;
  RingRange<SgfValue> Values() const { return RingRange<SgfValue>(FirstValue()); }

  SgfProperty* Next() const { return FollowLink<SgfProperty>(this, next_); }
  SgfProperty* Previous() const { return FollowLink<SgfProperty>(this, previous_); }

  // Ring edits used by the reader and the tree edits. The property does not own
  // the memory of its values; the collection's arena does.
  void SetId(PropertyId id) { id_ = id; }
  void AppendValue(SgfValue* value) {
    if (firstValue_) {
      InsertValueBefore(FirstValue(), value);
      return;
    }
    value->next_ = value->previous_ = 0;
    firstValue_ = MakeLink(this, value);
  }
  // Links `value` just before `before`, which must be in this property.
  void InsertValueBefore(SgfValue* before, SgfValue* value);
  // Unlinks `value`; the first value moves on to the next one (null when it was alone).
  void UnlinkValue(SgfValue* value);

  // A new unlinked value of `kind`: the property's own room when it has no value,
  // else from `arena`. The own room is free exactly when no value is linked, as
  // values only ever leave a property all together (ClearValues).
  SgfValue* NewValue(ValueKind kind, SgfArena& arena) {
    SgfValue* value = firstValue_ ? NewValueFrom(arena) : new (&ownValue_) SgfValue();
    value->SetKind(kind);
    return value;
  }
  // Unlinks every value and gives them back to `arena`.
  void ClearValues(SgfArena& arena);

 private:
  friend class SgfNode;

  SgfValue* NewValueFrom(SgfArena& arena);

  ArenaLink next_ = 0;
  ArenaLink previous_ = 0;
  ArenaLink firstValue_ = 0;
  SgfValue ownValue_;
  PropertyId id_ = 0;
};

}  // namespace tenukiro

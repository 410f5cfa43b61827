#pragma once

#include <cstddef>
#include <cstdint>

#include "sgf/property_id.h"
#include "sgf/ring_range.h"
#include "sgf/sgf_value.h"

namespace tenukiro {

// One property of a node: its identifier and its values, a ring in file order
// walked from the first value. The properties of a node form a ring too.
class SgfProperty {
 public:
  PropertyId Id() const { return id_; }
  // Null until a value is added.
  SgfValue* FirstValue() const { return firstValue_; }
  size_t ValueCount() const { return valueCount_; }
  RingRange<SgfValue> Values() const { return RingRange<SgfValue>(firstValue_); }

  SgfProperty* Next() const { return next_; }
  SgfProperty* Previous() const { return previous_; }

  // Ring edits used by the reader and the tree edits. The property does not own
  // the memory of its values; the collection's arena does.
  void SetId(PropertyId id) { id_ = id; }
  void AppendValue(SgfValue* value);
  // Links `value` just before `before`, which must be in this property.
  void InsertValueBefore(SgfValue* before, SgfValue* value);
  // Unlinks `value`; the first value moves on to the next one (null when it was alone).
  void UnlinkValue(SgfValue* value);

 private:
  friend class SgfNode;

  SgfProperty* next_ = this;
  SgfProperty* previous_ = this;
  SgfValue* firstValue_ = nullptr;
  uint32_t valueCount_ = 0;
  PropertyId id_ = 0;
};

}  // namespace tenukiro

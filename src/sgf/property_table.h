#pragma once

#include <string_view>

#include "sgf/property_id.h"
#include "sgf/sgf_value.h"

namespace tenukiro {

class DoubleByteCharset;
class SgfArena;
class SgfProperty;

// How the values of a property are typed and kept: a single-valued property keeps
// its first value only, a list keeps all of them in file order.
struct PropertyType {
  ValueKind kind = ValueKind::RawText;
  bool list = true;
};

// The table entry of `id`; identifiers outside the table are lists of raw text.
PropertyType LookupPropertyType(PropertyId id);

// Adds one bracketed value (escapes still in it) to `property` by the table's rules:
// a single-valued property that already has a value drops it.
// Text is read in `charset` (null: byte by byte).
void AddPropertyValue(SgfProperty& property, std::string_view content, SgfArena& arena,
                      const DoubleByteCharset* charset = nullptr);

}  // namespace tenukiro

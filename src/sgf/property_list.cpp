#include "sgf/property_list.h"

#include <algorithm>
#include <string_view>

#include "sgf/property_table.h"
#include "sgf/sgf_node.h"
#include "sgf/value_scan.h"

namespace tenukiro {
namespace {

bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }

// Hands every bracketed value of a run to the property table, escapes still in it.
void ReadValues(SgfProperty& property, char* run, size_t length, SgfArena& arena, const DoubleByteCharset* charset) {
  size_t start = 0;
  while (start + 2 <= length) {
    const size_t end = std::min(ValueEnd(run, start + 1, length, charset), length);
    AddPropertyValue(property, std::string_view(run + start + 1, end - start - 1), arena, charset);
    start = end + 1;
  }
}

}  // namespace

PropertyId ApplyAlias(PropertyId id) {
  if (id == PROP_M) return PROP_MA;
  if (id == PROP_L) return PROP_LB;
  return id;
}

SgfProperty& PropertyToFill(SgfNode& node, PropertyId id) {
  SgfProperty* property = node.FindProperty(id);
  return property ? *property : *node.AppendProperty(id);
}

void ReadPropertyList(SgfNode& node, char* text, size_t length, SgfArena& arena, const DoubleByteCharset* charset) {
  size_t i = 0;
  while (i + 2 < length) {
    PropertyId id;
    if (text[i + 1] == '[') {
      id = static_cast<PropertyId>(static_cast<unsigned char>(text[i]) << 8);
    } else {
      id = static_cast<PropertyId>((static_cast<unsigned char>(text[i]) << 8) |
                                   static_cast<unsigned char>(text[i + 1]));
      i += 2;
    }
    while (i + 1 < length && text[i] != '[') ++i;
    if (text[i] != '[') return;
    const size_t runEnd = std::min(FirstOutsideValues(text, i, length, charset, IsCapital), length);
    ReadValues(PropertyToFill(node, ApplyAlias(id)), text + i, runEnd - i, arena, charset);
    i = runEnd;
  }
}

}  // namespace tenukiro

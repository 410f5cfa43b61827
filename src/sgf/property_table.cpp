#include "sgf/property_table.h"

#include <array>
#include <cstdint>

#include "sgf/sgf_arena.h"
#include "sgf/sgf_property.h"
#include "sgf/value_parsing.h"

namespace tenukiro {
namespace {

struct TableRow {
  const char* names;  // identifiers separated by spaces
  ValueKind kind;
  bool list;
};

constexpr TableRow kRows[] = {
    {"B W", ValueKind::Point, false},
    {"C GC ON", ValueKind::Text, false},
    {"AB AW AE VW MA TR SQ CR SL DD", ValueKind::Point, true},
    {"LB", ValueKind::Label, true},
    {"MN FF GM ST HA PM OB OW", ValueKind::Number, false},
    {"KM TM BL WL V", ValueKind::Real, false},
    {"SZ AP FG", ValueKind::RawText, false},
    {"PB PW BR WR RE DT EV N AN BT CP GN OT PC RO RU SO US WT CA", ValueKind::SimpleText, false},
    {"PL", ValueKind::Color, false},
    {"DM GB GW HO UC BM TE", ValueKind::Double, false},
    {"KO DO IT", ValueKind::None, false},
    {"AR LN", ValueKind::PointPair, true},
};

// One byte per identifier: the kind in the low bits, bit 7 set for a list.
constexpr uint8_t kListBit = 0x80;

constexpr uint8_t Encode(ValueKind kind, bool list) {
  return static_cast<uint8_t>(static_cast<uint8_t>(kind) | (list ? kListBit : 0));
}

constexpr std::array<uint8_t, 65536> BuildTable() {
  std::array<uint8_t, 65536> table{};
  for (uint8_t& entry : table) entry = Encode(ValueKind::RawText, true);
  for (const TableRow& row : kRows) {
    for (const char* name = row.names; *name;) {
      const char first = name[0];
      const char second = name[1] == ' ' || name[1] == '\0' ? '\0' : name[1];
      const char text[3] = {first, second, '\0'};
      table[MakePropertyId(text)] = Encode(row.kind, row.list);
      name += second ? 2 : 1;
      if (*name == ' ') ++name;
    }
  }
  return table;
}

constexpr std::array<uint8_t, 65536> kTable = BuildTable();

}  // namespace

PropertyType LookupPropertyType(PropertyId id) {
  const uint8_t entry = kTable[id];
  return {static_cast<ValueKind>(entry & ~kListBit), (entry & kListBit) != 0};
}

void AddPropertyValue(SgfProperty& property, std::string_view content, SgfArena& arena,
                      const DoubleByteCharset* charset) {
  const PropertyType type = LookupPropertyType(property.Id());
  if (!type.list && property.FirstValue()) return;
  SgfValue* value = property.NewValue(type.kind, arena);
  property.AppendValue(value);
  ParseValue(property, *value, content, arena, charset);
}

}  // namespace tenukiro

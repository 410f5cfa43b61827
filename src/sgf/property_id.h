#pragma once

#include <cstdint>

namespace tenukiro {

// A property identifier: first letter * 256 + second letter, or letter * 256 for a
// one-letter identifier, so "B" is 0x4200 and "BR" is 0x4252.
using PropertyId = uint16_t;

// The identifier of a property name; only its first two characters count.
constexpr PropertyId MakePropertyId(const char* name) {
  if (name[0] == '\0') return 0;
  return static_cast<PropertyId>((static_cast<unsigned char>(name[0]) << 8) |
                                 static_cast<unsigned char>(name[1]));
}

// The identifiers the program reads or writes.
inline constexpr PropertyId PROP_B = MakePropertyId("B");
inline constexpr PropertyId PROP_W = MakePropertyId("W");
inline constexpr PropertyId PROP_C = MakePropertyId("C");
inline constexpr PropertyId PROP_AB = MakePropertyId("AB");
inline constexpr PropertyId PROP_AW = MakePropertyId("AW");
inline constexpr PropertyId PROP_AE = MakePropertyId("AE");
inline constexpr PropertyId PROP_VW = MakePropertyId("VW");
inline constexpr PropertyId PROP_MA = MakePropertyId("MA");
inline constexpr PropertyId PROP_TR = MakePropertyId("TR");
inline constexpr PropertyId PROP_SQ = MakePropertyId("SQ");
inline constexpr PropertyId PROP_CR = MakePropertyId("CR");
inline constexpr PropertyId PROP_LB = MakePropertyId("LB");
inline constexpr PropertyId PROP_MN = MakePropertyId("MN");
inline constexpr PropertyId PROP_SZ = MakePropertyId("SZ");
inline constexpr PropertyId PROP_PB = MakePropertyId("PB");
inline constexpr PropertyId PROP_PW = MakePropertyId("PW");
inline constexpr PropertyId PROP_BR = MakePropertyId("BR");
inline constexpr PropertyId PROP_WR = MakePropertyId("WR");
inline constexpr PropertyId PROP_RE = MakePropertyId("RE");
inline constexpr PropertyId PROP_DT = MakePropertyId("DT");
inline constexpr PropertyId PROP_EV = MakePropertyId("EV");
inline constexpr PropertyId PROP_MT = MakePropertyId("MT");
inline constexpr PropertyId PROP_XA = MakePropertyId("XA");
inline constexpr PropertyId PROP_XO = MakePropertyId("XO");
inline constexpr PropertyId PROP_OP = MakePropertyId("OP");
inline constexpr PropertyId PROP_CA = MakePropertyId("CA");
// One-letter aliases of old files, read as MA and LB.
inline constexpr PropertyId PROP_M = MakePropertyId("M");
inline constexpr PropertyId PROP_L = MakePropertyId("L");

}  // namespace tenukiro

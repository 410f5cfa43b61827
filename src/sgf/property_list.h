#pragma once

#include <cstddef>

#include "sgf/property_id.h"

namespace tenukiro {

class DoubleByteCharset;
class SgfArena;
class SgfNode;
class SgfProperty;

// The general reading of one node's normalised text, which every node shape can
// take: an identifier is a letter followed by '[', or else the first two of a
// run of capitals (M and L stand for MA and LB); its values are the bracketed
// ones up to the next capital outside a value. Anything else between is read as
// the rules fall, never rejected.
// Values are read in `charset` (null: byte by byte).
void ReadPropertyList(SgfNode& node, char* text, size_t length, SgfArena& arena,
                      const DoubleByteCharset* charset = nullptr);

// Where the values of a property read from a node go: to the node's first
// property with that identifier, else to a new one. Records written by other
// programs repeat list properties (a handicap as AB[pd]AB[dp]); the values then
// add up, while the property table keeps only the first value of a
// single-valued property, so there the first occurrence wins.
SgfProperty& PropertyToFill(SgfNode& node, PropertyId id);

// M and L of old files stand for MA and LB.
PropertyId ApplyAlias(PropertyId id);

}  // namespace tenukiro

#pragma once

#include <string_view>

namespace tenukiro::testing {

struct RecordShape {
  int trees = 0;
  int nodes = 0;
};

// The game trees and nodes of a well-formed record, counted from its punctuation
// alone (top-level '(' and every ';' outside property values): a count that owes
// nothing to the reader it checks.
RecordShape ScanRecord(std::string_view text);

}  // namespace tenukiro::testing

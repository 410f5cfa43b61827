#include "support/record_shape.h"

namespace tenukiro::testing {

RecordShape ScanRecord(std::string_view text) {
  RecordShape shape;
  int depth = 0;
  bool inValue = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inValue) {
      if (c == '\\') ++i;
      else if (c == ']') inValue = false;
    } else if (c == '[') {
      inValue = true;
    } else if (c == '(') {
      shape.trees += depth++ == 0;
    } else if (c == ')') {
      --depth;
    } else if (c == ';') {
      ++shape.nodes;
    }
  }
  return shape;
}

}  // namespace tenukiro::testing

#include "sgf_test_support.h"

#include "sgf/sgf_reader.h"

namespace tenukiro::testing {

ParsedRecord::ParsedRecord(std::string_view bytes, Reading reading) : text(bytes, reading) {
  BeginParse(collection, text);
}

std::vector<std::string> ParsedRecord::ShowOrder() {
  std::vector<std::string> order;
  SgfNode* node = collection.Cursor();
  if (node) order.push_back(DescribeNode(node));
  while ((node = collection.NextNodePreorder(node, text))) {
    collection.SelectVariation(node);
    collection.SetCursor(node);
    order.push_back(DescribeNode(node));
  }
  return order;
}

}  // namespace tenukiro::testing

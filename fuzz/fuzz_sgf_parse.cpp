// Feeds arbitrary bytes through the reader twice, with its fast paths and by the
// general reading alone, walks both trees in show order (asking every game tree
// reached for its board size) and stops at the first place where they differ.
// The bytes are read as they are, and once more as the text of a root that
// declares a double-byte charset (the first byte chooses which).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "../tests/support/sgf_tree_comparison.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Kept from run to run: each run then fills pages already mapped, as the show
  // does from record to record.
  static tenukiro::testing::ReadingComparison comparison;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static const char* const kDoubleByteRoots[] = {"(;CA[Shift_JIS]", "(;CA[Big5]", "(;CA[GBK]"};
  const std::string declared = size ? kDoubleByteRoots[data[0] % 3] + std::string(bytes.substr(1)) : std::string();
  for (const std::string_view text : {bytes, std::string_view(declared)}) {
    const std::string difference = comparison.Compare(text);
    if (!difference.empty()) {
      std::fprintf(stderr, "the fast and the general reading differ: %s\n", difference.c_str());
      __builtin_trap();
    }
  }
  return 0;
}

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "sgf_test_support.h"
#include "support/record_set_test.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

using ReadingsAgree = testing::RecordSetTest;

// Real records take the fast paths nearly everywhere: both readings agree on them.
// The few large corpus files are collections of generated games, shapes the smaller
// ones have too, and would only make the test slow.
TEST_P(ReadingsAgree, FastAndGeneralReadingsGiveTheSameTrees) {
  constexpr uintmax_t kLargestCompared = 1 << 20;
  testing::ReadingComparison comparison;
  for (const fs::path& path : testing::RecordFiles(GetParam())) {
    if (fs::file_size(path) > kLargestCompared) continue;
    EXPECT_EQ(comparison.Compare(testing::ReadBytes(path)), "") << path.string();
  }
}

INSTANTIATE_TEST_SUITE_P(, ReadingsAgree, ::testing::ValuesIn(testing::kRecordSets), testing::RecordSetName);

}  // namespace
}  // namespace tenukiro

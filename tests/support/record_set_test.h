#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "support/test_records.h"

namespace tenukiro::testing {

// A test that runs once on the project's own records and once on the external
// corpus; the corpus run is reported as skipped where the corpus is absent.
//   INSTANTIATE_TEST_SUITE_P(, MyTest, ::testing::ValuesIn(kRecordSets), RecordSetName);
class RecordSetTest : public ::testing::TestWithParam<RecordSet> {
 protected:
  void SetUp() override {
    if (!IsAvailable(GetParam())) GTEST_SKIP() << "no corpus at " << CorpusDir();
  }
  bool Own() const { return GetParam() == RecordSet::kOwn; }
};

inline std::string RecordSetName(const ::testing::TestParamInfo<RecordSet>& info) {
  return info.param == RecordSet::kOwn ? "OwnRecords" : "Corpus";
}

// Names the set in failure messages.
inline void PrintTo(RecordSet set, std::ostream* out) {
  *out << (set == RecordSet::kOwn ? "the project's own records" : "the corpus");
}

}  // namespace tenukiro::testing

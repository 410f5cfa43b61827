#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/random_source.h"
#include "replay/replay_json.h"
#include "settings/settings_record.h"
#include "support/record_set_test.h"
#include "support/record_shape.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> ReplayLines(const std::string& sgf, SettingsRecord settings = SettingsRecord()) {
  const fs::path file = fs::temp_directory_path() / ("tenukiro-replay-" + std::to_string(::getpid()) + ".sgf");
  {
    std::ofstream out(file, std::ios::binary);
    out << sgf;
  }
  std::ostringstream out;
  WriteReplayJson(file.string(), settings, out);
  fs::remove(file);
  std::vector<std::string> lines;
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(ReplayJson, OneLinePerStepInShowOrder) {
  const auto lines = ReplayLines("(;SZ[3]C[root];B[aa]LB[bb:x]KM[6.5](;W[cc]TR[aa])(;W[bb]))");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0],
            "{\"step\":0,\"game\":0,\"depth\":0,\"move\":null,\"board\":\".../.../...\",\"moves\":0,\"setup\":0,"
            "\"wait\":1000,\"pose\":\"FFFFFFFFFF\",\"view\":[1,1,3,3],\"numbering\":[1,1],\"comment\":\"root\","
            "\"props\":{\"SZ\":[\"3\"],\"C\":[\"root\"]}}");
  EXPECT_EQ(lines[1],
            "{\"step\":1,\"game\":0,\"depth\":1,\"move\":\"B[aa]\",\"board\":\"X../.../...\",\"moves\":1,\"setup\":0,"
            "\"wait\":1000,\"pose\":\"FFFFFFFFFF\",\"view\":[1,1,3,3],\"numbering\":[1,1],\"comment\":null,"
            "\"props\":{\"B\":[[1,1]],\"LB\":[[2,2,\"x\"]],\"KM\":[6.5]}}");
  EXPECT_NE(lines[2].find("\"depth\":2,\"move\":\"W[cc]\",\"board\":\"X../.../..O\""), std::string::npos) << lines[2];
  EXPECT_NE(lines[2].find("\"TR\":[[1,1]]"), std::string::npos);
  EXPECT_NE(lines[3].find("\"move\":\"W[bb]\",\"board\":\"X../.O./...\",\"moves\":2"), std::string::npos) << lines[3];
}

TEST(ReplayJson, GamesPassesAndValueKinds) {
  const auto lines = ReplayLines("(;SZ[2]AB[aa]DM[2]PL[B]KO[]AR[aa:bb]FF[4];W[])(;SZ[2];B[tt])");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_NE(lines[0].find("\"board\":\"X./..\",\"moves\":1,\"setup\":1"), std::string::npos) << lines[0];
  EXPECT_NE(lines[0].find("\"DM\":[\"2\"],\"PL\":[\"B\"],\"KO\":[null],\"AR\":[[1,1,2,2]],\"FF\":[4]"),
            std::string::npos)
      << lines[0];
  EXPECT_NE(lines[1].find("\"move\":\"W[]\""), std::string::npos) << lines[1];
  EXPECT_NE(lines[2].find("\"step\":2,\"game\":1,\"depth\":0"), std::string::npos) << lines[2];
  EXPECT_NE(lines[3].find("\"move\":\"B[tt]\""), std::string::npos) << lines[3];
}

TEST(ReplayJson, BytesAreEscaped) {
  const auto lines = ReplayLines(std::string("(;C[caf\xe9 \"q\" \\\\ \x01 line\nnext]ZZ[a\\]b][\x01\x7f])"));
  ASSERT_EQ(lines.size(), 1u);
  // In a comment a control byte is a blank; a raw text keeps it.
  EXPECT_NE(lines[0].find("\"comment\":\"caf\\u00e9 \\\"q\\\" \\\\   line\\u000dnext\""), std::string::npos)
      << lines[0];
  EXPECT_NE(lines[0].find("\"ZZ\":[\"a\\\\]b\",\"\\u0001\\u007f\"]"), std::string::npos) << lines[0];
}

TEST(ReplayJson, AnUnreadableFileGivesTheRandomGame) {
  SeedRandom(3, true);
  SettingsRecord settings;
  std::ostringstream out;
  EXPECT_EQ(WriteReplayJson("/nonexistent/file.sgf", settings, out), 361);
  SettingsRecord again;
  std::ostringstream folder;
  EXPECT_EQ(WriteReplayJson(fs::temp_directory_path().string(), again, folder), 361);
}

// A stream buffer that only counts, so whole collections replay without keeping their output.
class CountingBuffer : public std::streambuf {
 public:
  long lines = 0;

 protected:
  int overflow(int c) override {
    if (c == '\n') ++lines;
    return c;
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    for (std::streamsize i = 0; i < n; ++i) lines += s[i] == '\n';
    return n;
  }
};

using ReplayRecords = testing::RecordSetTest;

// One line per step, and for the project's own records one step per node.
TEST_P(ReplayRecords, EveryRecordReplays) {
  int files = 0;
  for (const fs::path& file : testing::RecordFiles(GetParam())) {
    if (fs::file_size(file) > 1000000) continue;
    SCOPED_TRACE(file.string());
    CountingBuffer buffer;
    std::ostream out(&buffer);
    SettingsRecord settings;
    const long steps = WriteReplayJson(file.string(), settings, out);
    EXPECT_GE(steps, 1);
    EXPECT_EQ(buffer.lines, steps);
    if (Own()) {
      EXPECT_EQ(steps, testing::ScanRecord(testing::ReadBytes(file)).nodes);
    }
    ++files;
  }
  EXPECT_GT(files, Own() ? static_cast<int>(testing::GeneratedRecords().size()) : 300);
}

INSTANTIATE_TEST_SUITE_P(, ReplayRecords, ::testing::ValuesIn(testing::kRecordSets), testing::RecordSetName);

}  // namespace
}  // namespace tenukiro

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>

#include "base/random_source.h"
#include "sgf/game_file.h"
#include "sgf/sgf_reader.h"
#include "sgf_test_support.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

bool IsRandomGame(SgfText& text) {
  GameContext context;
  SgfCollection collection(context);
  BeginParse(collection, text);
  // Root, then 360 moves alternating B and W on 19x19 points.
  int moves = 0;
  for (SgfNode* node = collection.NextNodePreorder(collection.FirstRoot(), text); node;
       node = collection.NextNodePreorder(node, text)) {
    const PropertyId colour = moves % 2 == 0 ? PROP_B : PROP_W;
    const auto point = node->PropertyPoint(colour);
    if (!point || point->column < 1 || point->column > 19 || point->row < 1 || point->row > 19) return false;
    ++moves;
  }
  return moves == 360;
}

class GameFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/sgf_game_file_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all);
    fs::remove_all(folder_);
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }
  fs::path folder_;
};

TEST_F(GameFileTest, RandomGameHasTheFixedShape) {
  SeedRandom(5, true);
  SgfText text = MakeRandomGameText();
  const std::string bytes(text.Bytes(), text.Size());
  EXPECT_EQ(bytes.size(), 2192u);
  EXPECT_EQ(bytes.substr(0, 31), "(;FF[4]AP[Vuko:v2.0]GM[1]SZ[19]");
  EXPECT_EQ(bytes.substr(31, 3), ";B[");
  EXPECT_EQ(bytes.substr(37, 3), ";W[");
  EXPECT_EQ(bytes.back(), ')');
  EXPECT_TRUE(IsRandomGame(text));
}

TEST_F(GameFileTest, ReadsTheBytesAsTheyAre) {
  const std::string bytes = std::string("(;C[\xE9\0x]", 8) + ")";
  SgfText text = ReadGameFile(Write("game.sgf", bytes));
  ASSERT_FALSE(text.IsGone());
  EXPECT_EQ(std::string(text.Bytes(), text.Size()), bytes);
}

TEST_F(GameFileTest, EmptyFileGivesOneEmptyRoot) {
  SgfText text = ReadGameFile(Write("empty.sgf", ""));
  GameContext context;
  SgfCollection collection(context);
  BeginParse(collection, text);
  EXPECT_TRUE(text.IsGone());
  ASSERT_NE(collection.FirstRoot(), nullptr);
  EXPECT_EQ(testing::DescribeNode(collection.FirstRoot()), "SZ[19]");
  EXPECT_EQ(collection.Cursor(), collection.FirstRoot());
}

TEST_F(GameFileTest, AnythingButAReadableFileGivesARandomGame) {
  const std::string unreadable = Write("locked.sgf", "(;B[aa])");
  chmod(unreadable.c_str(), 0);
  const bool canOpenLocked = std::ifstream(unreadable).is_open();  // true when run as root
  std::string paths[] = {"", (folder_ / "missing.sgf").string(), folder_.string(), "/dev/zero", "/dev/null"};
  for (const std::string& path : paths) {
    SgfText text = ReadGameFile(path);
    EXPECT_TRUE(IsRandomGame(text)) << path;
  }
  if (!canOpenLocked) {
    SgfText text = ReadGameFile(unreadable);
    EXPECT_TRUE(IsRandomGame(text));
  }
}

// A file with no game tree in its first 64 MB is no record: a random game stands in at
// once, said on standard error. A '(' just inside the bound makes it one.
TEST_F(GameFileTest, LargeFileWithoutAGameTreeGivesARandomGame) {
  const fs::path path = folder_ / "zeros.sgf";
  std::ofstream(path, std::ios::binary).close();
  fs::resize_file(path, kFirstTreeSearch + 1);
  ::testing::internal::CaptureStderr();
  SgfText zeros = ReadGameFile(path.string());
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("zeros.sgf is not a game record"), std::string::npos);
  EXPECT_TRUE(IsRandomGame(zeros));
  std::fstream(path, std::ios::binary | std::ios::in | std::ios::out).seekp(kFirstTreeSearch - 1).put('(');
  SgfText record = ReadGameFile(path.string());
  EXPECT_EQ(record.Size(), kFirstTreeSearch + 1);
}

// A file cut short while the show reads it ends the record where it was cut, as its end
// would; the show plays what was read.
TEST_F(GameFileTest, RecordCutShortDuringTheShowEndsWhereItWasCut) {
  std::string record;
  for (int game = 0; game < 4000; ++game) record += "(;SZ[9]C[game " + std::to_string(game) + "];B[aa];W[bb];B[cc])\n";
  const std::string path = Write("games.sgf", record);
  SgfText text = ReadGameFile(path);
  GameContext context;
  SgfCollection collection(context);
  BeginParse(collection, text);
  ASSERT_EQ(truncate(path.c_str(), 4096), 0);
  ::testing::internal::CaptureStderr();
  int nodes = 1;
  for (SgfNode* node = collection.NextNodePreorder(collection.Cursor(), text); node;
       node = collection.NextNodePreorder(node, text)) {
    collection.SelectVariation(node);
    collection.SetCursor(node);
    ++nodes;
  }
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("games.sgf was cut short"), std::string::npos);
  EXPECT_TRUE(text.IsGone());
  EXPECT_GE(nodes, 4);
  EXPECT_LT(nodes, 4000 * 4);
}

// A named pipe in the list of records must not stop the show until some writer turns up.
TEST_F(GameFileTest, APipeGivesARandomGameWithoutWaitingForAWriter) {
  const fs::path pipe = folder_ / "pipe.sgf";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  auto reading = std::async(std::launch::async, [&pipe] {
    SgfText text = ReadGameFile(pipe.string());
    return IsRandomGame(text);
  });
  const bool returned = reading.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
  if (!returned) close(open(pipe.c_str(), O_WRONLY | O_NONBLOCK));  // lets the blocked reading end
  EXPECT_TRUE(returned);
  EXPECT_TRUE(reading.get());
}

}  // namespace
}  // namespace tenukiro

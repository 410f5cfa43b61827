#include <gtest/gtest.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "base/random_source.h"
#include "fake_host.h"
#include "settings/profile.h"
#include "show/file_list.h"
#include "show/record_walker.h"
#include "show/show_window.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

class FileListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("tenukiro-list-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
    SeedRandom(7, true);
  }
  void TearDown() override {
    std::error_code error;
    fs::permissions(root_ / "locked", fs::perms::owner_all, error);
    fs::remove_all(root_);
  }

  std::string Touch(const std::string& relative) {
    const fs::path path = root_ / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "(;SZ[9])";
    return path.string();
  }

  // `folders` folders of `perFolder` records each, plus a file of another kind in each.
  void MakeTree(int folders, int perFolder) {
    for (int f = 0; f < folders; ++f) {
      const std::string folder = "f" + std::to_string(f * 7919 % folders) + "/";
      for (int i = 0; i < perFolder; ++i) Touch(folder + "game" + std::to_string(i) + (i % 5 ? ".sgf" : ".SGF"));
      Touch(folder + "notes.txt");
    }
  }

  // The records under the root by a different road: the library's own directory
  // walk, filtered and sorted as byte strings.
  std::vector<std::string> RecordsByFilesystem() const {
    std::vector<std::string> records;
    for (const auto& entry : fs::recursive_directory_iterator(root_)) {
      if (entry.is_regular_file() && HasRecordExtension(entry.path().filename().string())) {
        records.push_back(entry.path().string());
      }
    }
    std::sort(records.begin(), records.end());
    return records;
  }

  static std::vector<std::string> WalkAll(std::vector<std::string> entries) {
    RecordWalker walker(std::move(entries));
    std::vector<std::string> records;
    for (int steps = 0; !walker.Done() && steps < 1000000; ++steps) walker.Walk(3, records);
    return records;
  }

  static void GrowUntilComplete(FileList& list) {
    for (int steps = 0; !list.Complete() && steps < 1000000; ++steps) list.Grow();
  }

  std::string Root() const { return root_.string(); }

  // Steps far smaller than the show's, so that 2,000 records take many of them.
  static constexpr int kSmallStep = 64;

  fs::path root_;
};

TEST(RecordExtension, AnyLetterCase) {
  for (const char* name : {"a.sgf", "A.SGF", "b.Sgf", ".sgf", "x.y.sGf"}) EXPECT_TRUE(HasRecordExtension(name)) << name;
  for (const char* name : {"", "sgf", "a.sgf~", "a.sg", "a_sgf", "a.sgf.txt", "a.sgfx"}) {
    EXPECT_FALSE(HasRecordExtension(name)) << name;
  }
}

TEST_F(FileListTest, AFolderGivesItsRecordsInTheByteOrderOfTheirPaths) {
  // '-' < '.' < '/' < 'A' < 'a' < 0xC3: a folder's name sorts as if followed by '/'.
  for (const char* name : {"a.sgf", "a-b.sgf", "a/x.sgf", "a/b/y.SGF", "B.SGF", "b.Sgf", "\xC3\xA9.sgf", "c.txt",
                           "c.sgf.bak", "z/deep/er/z.sgf", "empty.sgf/readme"}) {
    Touch(name);
  }
  const std::string r = Root() + "/";
  const std::vector<std::string> expected = {r + "B.SGF",     r + "a-b.sgf",         r + "a.sgf",
                                             r + "a/b/y.SGF", r + "a/x.sgf",         r + "b.Sgf",
                                             r + "z/deep/er/z.sgf", r + "\xC3\xA9.sgf"};
  EXPECT_EQ(WalkAll({Root()}), expected);
  EXPECT_EQ(WalkAll({Root() + "/"}), expected) << "a trailing slash gives the same paths";
  EXPECT_EQ(WalkAll({Root()}), RecordsByFilesystem());
}

TEST_F(FileListTest, EntriesKeepTheirOrderAndOtherEntriesStandForThemselves) {
  Touch("in/1.sgf");
  Touch("in/2.sgf");
  const std::string text = Touch("notes.txt");
  const std::string missing = Root() + "/missing.sgf";
  EXPECT_EQ(WalkAll({text, Root() + "/in", missing, "", Root() + "/in"}),
            (std::vector<std::string>{text, Root() + "/in/1.sgf", Root() + "/in/2.sgf", missing, "",
                                      Root() + "/in/1.sgf", Root() + "/in/2.sgf"}));
  EXPECT_TRUE(WalkAll({}).empty());
}

TEST_F(FileListTest, LinksAreFollowedAndLoopsEnd) {
  const std::string game = Touch("games/a.sgf");
  Touch("games/sub/b.sgf");
  Touch("outside/c.sgf");
  fs::create_directory_symlink(root_ / "games", root_ / "games/sub/loop");
  fs::create_directory_symlink("..", root_ / "games/sub/up");
  fs::create_directory_symlink(root_ / "outside", root_ / "games/linked");
  fs::create_symlink("self.sgf", root_ / "games/self.sgf");
  fs::create_symlink("nowhere", root_ / "games/gone.sgf");
  fs::create_symlink(game, root_ / "games/z.sgf");
  ASSERT_EQ(mkfifo((root_ / "games/pipe.sgf").c_str(), 0600), 0);
  const std::string g = Root() + "/games/";
  EXPECT_EQ(WalkAll({Root() + "/games"}),
            (std::vector<std::string>{g + "a.sgf", g + "linked/c.sgf", g + "sub/b.sgf", g + "z.sgf"}));
}

TEST_F(FileListTest, AFolderThatCannotBeReadIsPassedOver) {
  Touch("a.sgf");
  Touch("locked/b.sgf");
  Touch("z.sgf");
  fs::permissions(root_, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(root_ / "locked", fs::perms::none);
  const std::vector<std::string> expected = {Root() + "/a.sgf", Root() + "/z.sgf"};
  // The administrator reads every folder: the walk runs as an ordinary user then.
  EXPECT_EXIT(
      {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
        _exit(WalkAll({Root()}) == expected ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(FileListTest, TheFirstRecordIsKnownLongBeforeTheWholeFolder) {
  MakeTree(40, 50);
  FileList list({Root()}, kSmallStep);
  ASSERT_FALSE(list.Empty());
  EXPECT_FALSE(list.Complete());
  EXPECT_LT(list.Count(), 2000);
  EXPECT_EQ(list.EntryCount(), 1);
  const std::vector<std::string> expected = RecordsByFilesystem();
  ASSERT_EQ(expected.size(), 2000u);
  EXPECT_EQ(list.Current(), expected.front());
  GrowUntilComplete(list);
  EXPECT_EQ(list.Paths(), expected);
}

TEST_F(FileListTest, AFolderOfRecordsAloneIsKnownAtOnce) {
  for (int i = 0; i < 2000; ++i) Touch("game" + std::to_string(i) + ".sgf");
  const FileList list({Root()}, kSmallStep);
  EXPECT_TRUE(list.Complete());
  EXPECT_EQ(list.Paths(), RecordsByFilesystem());
}

TEST_F(FileListTest, ListOrderReadsOnBeforeItWraps) {
  MakeTree(40, 50);
  FileList list({Root()}, kSmallStep);
  std::vector<std::string> shown = {list.Current()};
  for (int i = 1; i < 2000; ++i) {
    list.Next(false);
    shown.push_back(list.Current());
  }
  EXPECT_EQ(shown, RecordsByFilesystem());
  list.Next(false);
  EXPECT_EQ(list.CursorIndex(), 0);
}

TEST_F(FileListTest, RandomStepsChooseAmongTheRecordsKnownSoFar) {
  MakeTree(40, 50);
  FileList list({Root()}, kSmallStep);
  std::set<int> seen;
  while (!list.Complete()) {
    const int known = list.Count();
    list.Next(true);
    EXPECT_LT(list.CursorIndex(), known);
    seen.insert(list.CursorIndex());
    list.Grow();
  }
  for (int i = 0; i < 4000; ++i) {
    list.Next(true);
    seen.insert(list.CursorIndex());
  }
  // 4,000 uniform draws from 2,000 miss about 270; a walk stuck early would miss most.
  EXPECT_GT(seen.size(), 1500u);
  EXPECT_GT(*seen.rbegin(), 1900);
}

TEST_F(FileListTest, MovingToARecordReadsOnAsFarAsItAndWrapsPastTheEnd) {
  MakeTree(10, 50);
  const std::vector<std::string> expected = RecordsByFilesystem();
  FileList list({Root()}, kSmallStep);
  ASSERT_LT(list.Count(), 400);
  for (const int index : {450, 3, 0, 500 + 17, -1}) {
    list.MoveTo(index);
    EXPECT_EQ(list.Current(), expected[(index < 0 ? 17 : index) % 500]) << index;
  }
  fs::create_directories(root_ / "none");
  FileList empty({Root() + "/none"});
  empty.MoveTo(5);
  EXPECT_EQ(empty.Current(), "");
}

TEST_F(FileListTest, ShowsSideBySideStartOnDifferentRecordsInEitherOrder) {
  for (int i = 0; i < 5; ++i) Touch("g" + std::to_string(i) + ".sgf");
  for (const int random : {0, 1}) {
    MemoryProfile profile;
    profile.WriteInt("RandomAccess", random);
    profile.WriteInt("NumOfFile", 1);
    profile.WriteText("File0", Root());
    FakeHost host({200, 150}, {200, 150});
    CShowWnd first(profile, host, Root() + "/");
    std::set<std::string> starts = {first.Files().Current()};
    for (int k = 1; k < 5; ++k) {
      CShowWnd other(profile, host, Root() + "/");
      other.StartAtRecord(first.Files().CursorIndex() + k);
      starts.insert(other.Files().Current());
    }
    EXPECT_EQ(starts.size(), 5u) << "random order " << random;
  }
}

TEST_F(FileListTest, FoldersWithoutRecordsGiveAnEmptyList) {
  Touch("a/notes.txt");
  fs::create_directories(root_ / "b/c");
  const FileList list({Root() + "/a", Root() + "/b"});
  EXPECT_TRUE(list.Empty());
  EXPECT_TRUE(list.Complete());
  EXPECT_EQ(list.Current(), "");
}

TEST_F(FileListTest, TheShowPlaysTheRecordsOfAFolderAndReadsOnAsItTicks) {
  std::ofstream(root_ / "a.sgf") << "(;SZ[9])";
  fs::create_directories(root_ / "b");
  std::ofstream(root_ / "b/c.sgf") << "(;SZ[13])";
  MemoryProfile profile;
  profile.WriteInt("RandomAccess", 0);
  profile.WriteInt("SplashDelay", 0);
  profile.WriteInt("NumOfFile", 1);
  profile.WriteText("File0", Root());
  FakeHost host({200, 150}, {200, 150});
  CShowWnd show(profile, host, Root() + "/");
  show.OnCreate();
  show.OnPaint();
  EXPECT_EQ(show.Record()->Context().columnsPlus1, 10);
  while (show.State() == ShowState::NextPosition) show.OnTimer();
  while (show.State() != ShowState::NextPosition) show.OnTimer();
  EXPECT_EQ(show.Record()->Context().columnsPlus1, 14);

  // Each entry costs a unit: a list longer than two steps is complete a tick or two later.
  const int entries = 3 * RecordWalker::kStepBudget;
  profile.WriteInt("NumOfFile", entries);
  for (int i = 0; i < entries; ++i) profile.WriteText("File" + std::to_string(i), Root() + "/a.sgf");
  CShowWnd longList(profile, host, Root() + "/");
  longList.OnCreate();
  EXPECT_LT(longList.Files().Count(), entries);
  for (int tick = 0; tick < 3; ++tick) longList.OnTimer();
  EXPECT_EQ(longList.Files().Count(), entries);
}

}  // namespace
}  // namespace tenukiro

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "base/file_path.h"
#include "base/folder_reading.h"
#include "base/path_kind.h"
#include "base/whole_file.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

TEST(PathKind, OnlyPathsFromTheRootAreAbsolute) {
  struct Case {
    const char* path;
    bool absolute;
  };
  const Case cases[] = {
      {"/home/records", true}, {"/", true},      {"records/a.sgf", false}, {"", false},
      {"./a.sgf", false},      {"C:\\x", false}, {"\\\\server\\share", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsAbsolutePath(c.path), c.absolute) << c.path;
  EXPECT_TRUE(IsPathSeparator('/'));
  EXPECT_FALSE(IsPathSeparator('\\')) << "a backslash is a character of a POSIX file name";
}

class PlatformFiles : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(folder_); }
  void TearDown() override { fs::remove_all(folder_); }
  std::string Path(const std::string& name) const { return (folder_ / FilePath(name)).string(); }

  const fs::path folder_ = fs::temp_directory_path() / ("tenukiro-platform-" + std::to_string(::getpid()));
};

TEST_F(PlatformFiles, ReadsRegularFilesWhole) {
  const std::string path = Path("parties é 記録.sgf");
  std::ofstream(FilePath(path), std::ios::binary) << std::string("(;C[a\0b])", 9);
  WholeFile file;
  ASSERT_TRUE(ReadRegularFile(path, file));
  EXPECT_EQ(std::string(file.bytes.get(), file.size), std::string("(;C[a\0b])", 9)) << "NUL bytes are kept";

  WholeFile empty;
  std::ofstream(FilePath(Path("empty.sgf")));
  ASSERT_TRUE(ReadRegularFile(Path("empty.sgf"), empty));
  EXPECT_EQ(empty.size, 0u);
}

TEST_F(PlatformFiles, RefusesWhatIsNoRegularFile) {
  ASSERT_EQ(mkfifo(Path("pipe.sgf").c_str(), 0600), 0);
  fs::create_directories(folder_ / "sub.sgf");
  for (const char* name : {"missing.sgf", "pipe.sgf", "sub.sgf", ""}) {
    WholeFile file;
    EXPECT_FALSE(ReadRegularFile(name[0] ? Path(name) : std::string(), file)) << name;
  }
}

TEST_F(PlatformFiles, ListsAFolderWithKindsAndKnowsItByAnyPath) {
  fs::create_directories(folder_ / "games");
  std::ofstream(folder_ / "a.sgf");
  fs::create_symlink(folder_ / "a.sgf", folder_ / "link.sgf");
  FolderIdentity identity;
  OpenedFolder folder = OpenFolder(folder_.string(), identity);
  ASSERT_TRUE(folder);
  std::set<std::string> names;
  FolderEntry entry;
  while (NextFolderEntry(*folder, entry)) {
    names.insert(entry.name);
    const FileKind kind = entry.kind ? *entry.kind : KindOf(Path(entry.name));
    EXPECT_EQ(kind.folder, entry.name == "games") << entry.name;
    EXPECT_EQ(kind.regular, entry.name != "games") << entry.name << ": a link is what it names";
  }
  EXPECT_EQ(names, (std::set<std::string>{"a.sgf", "games", "link.sgf"})) << "no . or ..";

  fs::create_directory_symlink(folder_, folder_ / "games" / "up");
  FolderIdentity again;
  ASSERT_TRUE(OpenFolder((folder_ / "games" / "up").string(), again));
  EXPECT_EQ(again, identity);
  FolderIdentity games;
  ASSERT_TRUE(OpenFolder((folder_ / "games").string(), games));
  EXPECT_NE(games, identity);
  EXPECT_FALSE(OpenFolder(Path("a.sgf"), games)) << "a file is no folder";
  EXPECT_FALSE(KindOf(Path("missing")).folder || KindOf(Path("missing")).regular);
}

}  // namespace
}  // namespace tenukiro

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/data_files.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

class DataFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(prefix_ / "bin");
    fs::create_directories(prefix_ / "libexec/xscreensaver");
    fs::create_directories(prefix_ / "share/tenukiro");
  }
  void TearDown() override { fs::remove_all(prefix_); }
  std::string Folder(const char* relative) const { return (prefix_ / relative).string() + "/"; }
  void Make(const char* relative) const { std::ofstream(prefix_ / relative) << "(;)"; }

  const fs::path prefix_ = fs::temp_directory_path() / ("tenukiro-data-" + std::to_string(::getpid()));
};

TEST_F(DataFiles, BesideTheProgramThenTheDataFolder) {
  const std::string bin = Folder("bin");
  EXPECT_EQ(DataFilePath(bin, "Tenukiro.sgf"), bin + "Tenukiro.sgf") << "neither: the path beside";
  Make("share/tenukiro/Tenukiro.sgf");
  EXPECT_EQ(DataFilePath(bin, "Tenukiro.sgf"), bin + "../share/tenukiro/Tenukiro.sgf");
  Make("bin/Tenukiro.sgf");
  EXPECT_EQ(DataFilePath(bin, "Tenukiro.sgf"), bin + "Tenukiro.sgf");
  fs::create_directories(prefix_ / "bin/Tenukeng.html");
  Make("share/tenukiro/Tenukeng.html");
  EXPECT_EQ(DataFilePath(bin, "Tenukeng.html"), bin + "../share/tenukiro/Tenukeng.html") << "a folder is no file";
}

TEST_F(DataFiles, AHackCopiedIntoLibexecFindsTheDataFolder) {
  const std::string hacks = Folder("libexec/xscreensaver");
  EXPECT_EQ(DataFilePath(hacks, "Tenukiro.sgf"), hacks + "Tenukiro.sgf");
  Make("share/tenukiro/Tenukiro.sgf");
  EXPECT_EQ(DataFilePath(hacks, "Tenukiro.sgf"), hacks + "../../share/tenukiro/Tenukiro.sgf");
  fs::create_directories(prefix_ / "libexec/share/tenukiro");
  Make("libexec/share/tenukiro/Tenukiro.sgf");
  EXPECT_EQ(DataFilePath(hacks, "Tenukiro.sgf"), hacks + "../share/tenukiro/Tenukiro.sgf")
      << "the nearer data folder comes first";
}

}  // namespace
}  // namespace tenukiro

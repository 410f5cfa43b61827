#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

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

TEST_F(DataFiles, TheModuleBesideTheProgramThenInTheLibraryFolder) {
  const std::string bin = Folder("bin"), hacks = Folder("libexec/xscreensaver");
  const char* name = "tenukiro_spheres.so";
  EXPECT_EQ(ModuleFilePath(bin, name), bin + name) << "neither: the path beside, which fails to load";
  fs::create_directories(prefix_ / "lib/tenukiro");
  Make("lib/tenukiro/tenukiro_spheres.so");
  EXPECT_EQ(ModuleFilePath(bin, name), bin + "../lib/tenukiro/" + name);
  EXPECT_EQ(ModuleFilePath(hacks, name), hacks + "../../lib/tenukiro/" + name);
  Make("share/tenukiro/tenukiro_spheres.so");
  EXPECT_EQ(ModuleFilePath(bin, name), bin + "../lib/tenukiro/" + name) << "modules are not data";
  Make("bin/tenukiro_spheres.so");
  EXPECT_EQ(ModuleFilePath(bin, name), bin + name) << "the build tree's module beside the program";
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(UserDataFiles, TheUsersDataFolderFollowsXdgDataHome) {
  struct Case { const char* dataHome; const char* home; const char* folder; };
  for (const Case& c : {Case{"/data", "/home/u", "/data/tenukiro/"},
                        Case{nullptr, "/home/u", "/home/u/.local/share/tenukiro/"},
                        Case{"", "/home/u", "/home/u/.local/share/tenukiro/"},
                        Case{"relative/dir", "/home/u", "/home/u/.local/share/tenukiro/"},
                        Case{nullptr, nullptr, ""}, Case{nullptr, "", ""}}) {
    ScopedEnv dataHome("XDG_DATA_HOME", c.dataHome);
    ScopedEnv home("HOME", c.home);
    EXPECT_EQ(UserDataFolder(), c.folder) << (c.dataHome ? c.dataHome : "(unset)");
  }
}

TEST(UserDataFiles, AUsersFileComesFirstThenTheProgramsPlaces) {
  const fs::path prefix = fs::temp_directory_path() / ("tenukiro-user-" + std::to_string(::getpid()));
  fs::create_directories(prefix / "bin");
  fs::create_directories(prefix / "share/tenukiro");
  fs::create_directories(prefix / "data/tenukiro");
  ScopedEnv dataHome("XDG_DATA_HOME", (prefix / "data").c_str());
  const std::string bin = (prefix / "bin").string() + "/";
  std::ofstream(prefix / "share/tenukiro/BLACKS.BMP") << "BM";
  EXPECT_EQ(UserFilePath(bin, "BLACKS.BMP"), bin + "../share/tenukiro/BLACKS.BMP");
  std::ofstream(prefix / "bin/BLACKS.BMP") << "BM";
  EXPECT_EQ(UserFilePath(bin, "BLACKS.BMP"), bin + "BLACKS.BMP");
  std::ofstream(prefix / "data/tenukiro/BLACKS.BMP") << "BM";
  EXPECT_EQ(UserFilePath(bin, "BLACKS.BMP"), (prefix / "data/tenukiro/BLACKS.BMP").string());
  EXPECT_EQ(UserFilePath(bin, "WHITES.BMP"), bin + "WHITES.BMP") << "nowhere: the path beside the program";
  fs::remove_all(prefix);
}

}  // namespace
}  // namespace tenukiro

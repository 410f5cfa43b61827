#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/data_files.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

TEST(DataFiles, BesideTheProgramThenTheDataFolder) {
  const fs::path prefix = fs::temp_directory_path() / ("tenukiro-data-" + std::to_string(::getpid()));
  fs::create_directories(prefix / "bin");
  fs::create_directories(prefix / "share/tenukiro");
  const std::string bin = (prefix / "bin").string() + "/";
  EXPECT_EQ(DataFilePath(bin, "Tenukiro.sgf"), bin + "Tenukiro.sgf") << "neither: the path beside";
  std::ofstream(prefix / "share/tenukiro/Tenukiro.sgf") << "(;)";
  EXPECT_EQ(DataFilePath(bin, "Tenukiro.sgf"), bin + "../share/tenukiro/Tenukiro.sgf");
  std::ofstream(prefix / "bin/Tenukiro.sgf") << "(;)";
  EXPECT_EQ(DataFilePath(bin, "Tenukiro.sgf"), bin + "Tenukiro.sgf");
  fs::create_directories(prefix / "bin/Tenukeng.html");
  std::ofstream(prefix / "share/tenukiro/Tenukeng.html") << "<html>";
  EXPECT_EQ(DataFilePath(bin, "Tenukeng.html"), bin + "../share/tenukiro/Tenukeng.html") << "a folder is no file";
  fs::remove_all(prefix);
}

}  // namespace
}  // namespace tenukiro

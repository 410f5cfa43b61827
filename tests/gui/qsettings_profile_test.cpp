#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "settings/settings_record.h"
#include "shell/qt/qsettings_profile.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

// The process gets a private configuration folder before the first QSettings is made
// (Qt reads the location once): the real profile is never touched. Tests use
// application names of their own.
class PrivateConfigFolder : public ::testing::Environment {
 public:
  static fs::path& Folder() {
    static fs::path folder;
    return folder;
  }
  void SetUp() override {
    Folder() = fs::temp_directory_path() / ("tenukiro-profile-" + std::to_string(::getpid()));
    fs::create_directories(Folder() / "Quorvane");
    ::setenv("XDG_CONFIG_HOME", Folder().c_str(), 1);
  }
  void TearDown() override { fs::remove_all(Folder()); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new PrivateConfigFolder);

class QSettingsProfileTest : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = PrivateConfigFolder::Folder(); }

  void WriteIni(const std::string& application, const std::string& text) {
    std::ofstream(folder_ / "Quorvane" / (application + ".conf"), std::ios::binary) << text;
  }

  fs::path folder_;
};

TEST_F(QSettingsProfileTest, ValuesSurviveAReload) {
  {
    QSettingsProfile profile(QStringLiteral("RoundTrip"));
    profile.WriteInt("StoneRadius", 17);
    profile.WriteText("File0", "/games/a b.sgf");
  }
  QSettingsProfile reloaded(QStringLiteral("RoundTrip"));
  EXPECT_EQ(reloaded.ReadInt("StoneRadius"), 17);
  EXPECT_EQ(reloaded.ReadText("File0"), "/games/a b.sgf");
  EXPECT_EQ(ReadShowSettings(reloaded).Effective(StoneRadius), 17);
  EXPECT_TRUE(fs::exists(folder_ / "Quorvane" / "RoundTrip.conf"));
}

TEST_F(QSettingsProfileTest, GarbageGivesTheDefaultsAndClamps) {
  WriteIni("Garbage",
           "[Config]\nStoneRadius=abc\nGridX=-120\nNumOfFile=@Variant(\\0\\0\\0\\x7f)\nBackColorRed=511\n"
           "LineColorRed=1,2,3\n\x01\x02\xff\xfe=\n[[[\n");
  QSettingsProfile profile(QStringLiteral("Garbage"));
  const SettingsRecord s = ReadShowSettings(profile);
  EXPECT_EQ(s.Effective(StoneRadius), 12);
  EXPECT_EQ(s.Effective(GridX), -99);
  EXPECT_EQ(RedOf(static_cast<Color>(s.Effective(BackColor))), 255);
  EXPECT_EQ(RedOf(static_cast<Color>(s.Effective(LineColor))), 0);
  EXPECT_TRUE(ReadFileList(profile).empty());
}

TEST_F(QSettingsProfileTest, BinaryFileAndMissingFile) {
  WriteIni("Binary", std::string("\0\xff\x00garbage\x80\x81", 12));
  QSettingsProfile binary(QStringLiteral("Binary"));
  EXPECT_EQ(ReadShowSettings(binary).Effective(CommonPositionTime), 1000);
  QSettingsProfile missing(QStringLiteral("Missing"));
  EXPECT_EQ(ReadShowSettings(missing).Effective(StoneRadius), 12);
  EXPECT_FALSE(fs::exists(folder_ / "Quorvane" / "Missing.conf"));
}

}  // namespace
}  // namespace tenukiro

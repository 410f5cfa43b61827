#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "settings/profile.h"
#include "settings/settings_record.h"
#include "shell/launch_options.h"
#include "shell/saver_app.h"

namespace tenukiro {
namespace {

LaunchOptions ParseArgs(std::vector<const char*> args) {
  args.insert(args.begin(), "tenukiro");
  return ParseLaunchArguments(static_cast<int>(args.size()), args.data(), nullptr);
}

struct RecordCase {
  std::vector<const char*> args;
  RunMode mode;
  int64_t window;
  std::vector<std::string> records;
};

TEST(RecordArguments, RecordsFollowTheSwitchOfEveryShowMode) {
  for (const RecordCase& c : {
           RecordCase{{"-root", "a.sgf", "games"}, RunMode::Preview, 0, {"a.sgf", "games"}},
           RecordCase{{"--root", "/s"}, RunMode::Preview, 0, {"/s"}},
           RecordCase{{"-window-id", "0x10", "games"}, RunMode::Preview, 0, {"games"}},
           RecordCase{{"games", "--window"}, RunMode::Preview, 0, {"games"}},
           RecordCase{{"/s", "games", "b.sgf"}, RunMode::ScreenSaver, 0, {"games", "b.sgf"}},
           RecordCase{{"/S", "1234"}, RunMode::ScreenSaver, 0, {}},
           RecordCase{{"/s", "1234", "games"}, RunMode::ScreenSaver, 0, {"games"}},
           RecordCase{{"/s", "games", "1234"}, RunMode::ScreenSaver, 0, {"games", "1234"}},
           RecordCase{{"/s", "12a"}, RunMode::ScreenSaver, 0, {"12a"}},
           RecordCase{{"/p", "1234", "games"}, RunMode::Preview, 1234, {"games"}},
           RecordCase{{"/p:1234", "games"}, RunMode::Preview, 1234, {"games"}},
           RecordCase{{"/p:", "77", "games"}, RunMode::Preview, 77, {"games"}},
           RecordCase{{"/l", "abc", "games"}, RunMode::Preview, 0, {"games"}},
           RecordCase{{"/c", "5", "games"}, RunMode::Configure, 5, {"games"}},
           RecordCase{{"/a", "9"}, RunMode::ChangePassword, 9, {}},
       }) {
    const LaunchOptions o = ParseArgs(c.args);
    ASSERT_EQ(o.action, LaunchOptions::Action::Run) << c.args[0] << ": " << o.error;
    EXPECT_EQ(o.commandLine.mode, c.mode) << c.args[0];
    EXPECT_EQ(o.commandLine.window, c.window) << c.args[0];
    EXPECT_EQ(o.renderFiles, c.records) << c.args[0];
  }
  EXPECT_EQ(ParseArgs({"/x", "games"}).action, LaunchOptions::Action::Error);
}

// Remembers the list of records that the show of each mode would read.
class ListReadingPlatform : public SaverPlatform {
 public:
  std::vector<std::string> files;
  std::string ran;

  std::optional<std::string> SystemLanguageName() override { return std::nullopt; }
  std::unique_ptr<Profile> OpenProfile(const std::string&) override {
    auto profile = std::make_unique<MemoryProfile>();
    profile->WriteInt("NumOfFile", 2);
    profile->WriteText("File0", "stored0.sgf");
    profile->WriteText("File1", "stored1.sgf");
    return profile;
  }
  int RunConfiguration(Profile& profile, const CommandLine&) override { return Ran("configure", profile); }
  int RunPreview(Profile& profile, const PreviewTarget&) override { return Ran("preview", profile); }
  int RunScreenSaver(Profile& profile) override { return Ran("saver", profile); }
  int RunInWindow(Profile& profile) override { return Ran("window", profile); }

 private:
  int Ran(const char* mode, const Profile& profile) {
    ran = mode;
    files = ReadFileList(profile);
    return 0;
  }
};

TEST(RecordArguments, RecordsReplaceTheProfilesListForThisRun) {
  struct Case {
    std::vector<const char*> args;
    const char* ran;
    std::vector<std::string> files;
  };
  const std::vector<std::string> stored = {"stored0.sgf", "stored1.sgf"};
  for (const Case& c : {Case{{"-root", "/games"}, "preview", {"/games"}},
                        Case{{"-root"}, "preview", stored},
                        Case{{"/s", "/games", "x.sgf"}, "saver", {"/games", "x.sgf"}},
                        Case{{"/s"}, "saver", stored},
                        Case{{"--window", "/games"}, "window", {"/games"}},
                        Case{{"-window-id", "7", "/games"}, "preview", {"/games"}},
                        Case{{"/p", "7", "/games"}, "preview", {"/games"}}}) {
    ListReadingPlatform platform;
    CSaverApp app(platform, {"/opt/tk/tenukiro", "/opt/tk/"});
    std::vector<const char*> argv = c.args;
    argv.insert(argv.begin(), "/opt/tk/tenukiro");
    std::ostringstream out, err;
    EXPECT_EQ(app.Run(static_cast<int>(argv.size()), argv.data(), nullptr, out, err), 0) << err.str();
    EXPECT_EQ(platform.ran, c.ran) << c.args[0];
    EXPECT_EQ(platform.files, c.files) << c.args[0];
  }
}

}  // namespace
}  // namespace tenukiro

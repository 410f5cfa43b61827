#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "base/language.h"
#include "shell/command_line.h"
#include "shell/launch_options.h"
#include "shell/saver_app.h"
#include "settings/setting_names.h"

namespace tenukiro {
namespace {

struct CommandLineCase {
  const char* text;
  RunMode mode;
  int64_t window;
  bool ownerIsForeground;
};

class CommandLineTable : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTable, Parse) {
  const CommandLineCase& c = GetParam();
  const CommandLine result = ParseCommandLine(c.text);
  EXPECT_EQ(result.mode, c.mode) << '"' << c.text << '"';
  EXPECT_EQ(result.window, c.window) << '"' << c.text << '"';
  EXPECT_EQ(result.ownerIsForeground, c.ownerIsForeground) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Shell, CommandLineTable,
    ::testing::Values(CommandLineCase{"", RunMode::Configure, 0, false},
                      CommandLineCase{"/s", RunMode::ScreenSaver, 0, false},
                      CommandLineCase{"-S", RunMode::ScreenSaver, 0, false},
                      CommandLineCase{"/S 1234", RunMode::ScreenSaver, 0, false},
                      CommandLineCase{"//s", RunMode::ScreenSaver, 0, false},
                      CommandLineCase{"--s", RunMode::ScreenSaver, 0, false},
                      CommandLineCase{"/p 1234", RunMode::Preview, 1234, false},
                      CommandLineCase{"/P:1234", RunMode::Preview, 1234, false},
                      CommandLineCase{"/l 77", RunMode::Preview, 77, false},
                      CommandLineCase{"/p", RunMode::Preview, 0, false},
                      CommandLineCase{"/p   ", RunMode::Preview, 0, false},
                      CommandLineCase{"/p abc", RunMode::Preview, 0, false},
                      CommandLineCase{"/p -12x", RunMode::Preview, -12, false},
                      CommandLineCase{"/c:1234", RunMode::Configure, 1234, false},
                      CommandLineCase{"/c 1234", RunMode::Configure, 1234, false},
                      CommandLineCase{"/c", RunMode::Configure, 0, true},
                      CommandLineCase{"/c:0", RunMode::Configure, 0, false},
                      CommandLineCase{"/a 1234", RunMode::ChangePassword, 1234, false},
                      CommandLineCase{"/a", RunMode::ChangePassword, 0, false},
                      CommandLineCase{"s", RunMode::Unset, 0, false},
                      CommandLineCase{"/x", RunMode::Unset, 0, false},
                      CommandLineCase{"/", RunMode::Unset, 0, false},
                      CommandLineCase{"//", RunMode::Unset, 0, false},
                      CommandLineCase{"/1", RunMode::Unset, 0, false},
                      CommandLineCase{"/p 99999999999999999999999", RunMode::Preview, int64_t{1} << 40, false}));

LaunchOptions Parse(std::vector<const char*> args, const char* xscreensaverWindow = nullptr) {
  args.insert(args.begin(), "tenukiro");
  return ParseLaunchArguments(static_cast<int>(args.size()), args.data(), xscreensaverWindow);
}

TEST(LaunchOptions, OurOptionsComeOutBeforeTheSwitches) {
  const LaunchOptions o = Parse({"--seed", "42", "--set", "StoneRadius=20", "/p", "99", "--set", "GridX=-3"});
  ASSERT_EQ(o.action, LaunchOptions::Action::Run);
  EXPECT_EQ(o.seed, 42u);
  EXPECT_EQ(o.commandLine.mode, RunMode::Preview);
  EXPECT_EQ(o.commandLine.window, 99);
  ASSERT_EQ(o.settingOverrides.size(), 2u);
  EXPECT_EQ(o.settingOverrides[0], (std::pair<std::string, std::string>{"StoneRadius", "20"}));
  EXPECT_EQ(o.settingOverrides[1], (std::pair<std::string, std::string>{"GridX", "-3"}));
}

TEST(LaunchOptions, XScreenSaverConventions) {
  LaunchOptions o = Parse({"-root"}, "0x400EE5");
  ASSERT_EQ(o.action, LaunchOptions::Action::Run);
  EXPECT_EQ(o.commandLine.mode, RunMode::Preview);
  EXPECT_EQ(o.xscreensaverTarget->window, 0x400EE5u);

  o = Parse({"--root"});
  EXPECT_EQ(o.commandLine.mode, RunMode::Preview);
  EXPECT_FALSE(o.xscreensaverTarget->window.has_value());

  o = Parse({"--root", "--window-id", "0x400EE5"}, "12");
  EXPECT_EQ(o.xscreensaverTarget->window, 0x400EE5u);

  o = Parse({"-window-id", "4194533"});
  EXPECT_EQ(o.xscreensaverTarget->window, 4194533u);
}

TEST(LaunchOptions, BadArgumentsAreNamed) {
  struct Case { std::vector<const char*> args; const char* named; };
  for (const Case& c : {Case{{"/x"}, "'/x'"}, Case{{"s"}, "'s'"}, Case{{"--frobnicate"}, "'--frobnicate'"},
                        Case{{"-window-id", "0xZZ"}, "'0xZZ'"}, Case{{"-window-id"}, "'-window-id'"},
                        Case{{"--seed", "x1"}, "'x1'"}, Case{{"--set", "NoEquals"}, "'NoEquals'"},
                        Case{{"--set"}, "'--set'"}, Case{{"/q", "1234"}, "'/q'"}}) {
    const LaunchOptions o = Parse(c.args);
    EXPECT_EQ(o.action, LaunchOptions::Action::Error) << c.named;
    EXPECT_NE(o.error.find(c.named), std::string::npos) << o.error;
  }
  EXPECT_EQ(Parse({"/s"}, "junk").action, LaunchOptions::Action::Run);
  EXPECT_EQ(Parse({"-root"}, "junk").action, LaunchOptions::Action::Error);
}

TEST(LaunchOptions, ShowPicturesAtATimeAndFrames) {
  LaunchOptions o = Parse({"--render", "a.png", "--size", "320x240", "--at", "4500", "x.sgf", "y.sgf"});
  ASSERT_EQ(o.action, LaunchOptions::Action::Render) << o.error;
  EXPECT_EQ(o.renderAt, 4500);
  EXPECT_EQ(o.renderFiles, (std::vector<std::string>{"x.sgf", "y.sgf"}));

  o = Parse({"--render", "a.png", "--size", "320x240", "--at", "0"});
  ASSERT_EQ(o.action, LaunchOptions::Action::Render) << o.error;
  EXPECT_TRUE(o.renderFiles.empty()) << "no records: the profile's list";

  o = Parse({"--frames", "out", "--until", "60000", "--size", "160x120", "--screen", "640x480"});
  ASSERT_EQ(o.action, LaunchOptions::Action::Frames) << o.error;
  EXPECT_EQ(o.framesFolder, "out");
  EXPECT_EQ(o.renderUntil, 60000);

  struct Case { std::vector<const char*> args; const char* named; };
  for (const Case& c : {Case{{"--frames", "out", "--size", "8x6"}, "'--until MS'"},
                        Case{{"--frames", "out", "--until", "100"}, "'--size WxH'"},
                        Case{{"--frames"}, "'--frames'"},
                        Case{{"--render", "a.png", "--size", "8x6", "--at", "5", "--step", "2", "g"}, "'--step'"},
                        Case{{"--render", "a.png", "--size", "8x6", "--at", "x"}, "'x'"},
                        Case{{"--frames", "d", "--size", "8x6", "--until", "-5"}, "'-5'"}}) {
    const LaunchOptions bad = Parse(c.args);
    EXPECT_EQ(bad.action, LaunchOptions::Action::Error) << c.named;
    EXPECT_NE(bad.error.find(c.named), std::string::npos) << bad.error;
  }
}

TEST(LaunchOptions, RenderSnapshots) {
  LaunchOptions o = Parse({"--render", "out.png", "--size", "800x600", "--step", "12", "--seed", "3", "--set",
                           "Indices=1", "game.sgf"});
  ASSERT_EQ(o.action, LaunchOptions::Action::Render) << o.error;
  EXPECT_EQ(o.renderOutput, "out.png");
  EXPECT_EQ(o.replayPath, "game.sgf");
  EXPECT_EQ(o.renderSize, (std::pair<int, int>{800, 600}));
  EXPECT_FALSE(o.screenSize.has_value());
  EXPECT_EQ(o.renderStep, 12);
  EXPECT_EQ(o.seed, 3u);
  ASSERT_EQ(o.settingOverrides.size(), 1u);

  o = Parse({"game.sgf", "--screen", "1920x1080", "--render", "a.png", "--size", "0x0"});
  ASSERT_EQ(o.action, LaunchOptions::Action::Render) << o.error;
  EXPECT_EQ(o.screenSize, (std::pair<int, int>{1920, 1080}));
  EXPECT_EQ(o.renderSize, (std::pair<int, int>{0, 0}));
  EXPECT_EQ(o.renderStep, 0);

  struct Case { std::vector<const char*> args; const char* named; };
  for (const Case& c : {Case{{"--render"}, "'--render'"}, Case{{"--render", "a.png", "g.sgf"}, "'--size WxH'"},
                        Case{{"--render", "a.png", "--size", "800x600"}, "record file"},
                        Case{{"--render", "a.png", "--size", "800x600", "a", "b"}, "'b'"},
                        Case{{"--render", "a.png", "--size", "800"}, "'800'"},
                        Case{{"--render", "a.png", "--size", "-1x5"}, "'-1x5'"},
                        Case{{"--render", "a.png", "--size", "1234567890x5"}, "'1234567890x5'"},
                        Case{{"--render", "a.png", "--size", "8x6", "--step", "-2", "g"}, "'-2'"},
                        Case{{"--render", "a.png", "--size", "8x6", "--step"}, "'--step'"},
                        Case{{"--render", "a.png", "--screen", "x", "--size", "8x6", "g"}, "'x'"}}) {
    const LaunchOptions bad = Parse(c.args);
    EXPECT_EQ(bad.action, LaunchOptions::Action::Error) << c.named;
    EXPECT_NE(bad.error.find(c.named), std::string::npos) << bad.error;
  }
  EXPECT_NE(UsageText().find("--render OUT.png --size WxH"), std::string::npos);
}

TEST(LaunchOptions, NumbersAreUnsignedDigitsWithinTheirRange) {
  struct Case {
    std::vector<const char*> args;
    bool accepted;
  };
  for (const Case& c : {Case{{"--seed", "4294967295"}, true}, Case{{"--seed", "4294967296"}, false},
                        Case{{"--seed", "+3"}, false}, Case{{"--seed", "-1"}, false}, Case{{"--seed", "3 "}, false},
                        Case{{"--idle", "86400"}, true}, Case{{"--idle", "86401"}, false},
                        Case{{"--idle", "+9"}, false}, Case{{"--idle", "0"}, false},
                        Case{{"--render", "a.png", "--size", "8x6", "--at", "1099511627775"}, true},
                        Case{{"--render", "a.png", "--size", "8x6", "--at", "99999999999999999999"}, false},
                        Case{{"--render", "a.png", "--size", "8x6", "--at", "+5"}, false},
                        Case{{"--render", "a.png", "--size", "08x06", "--at", "0"}, true}}) {
    const LaunchOptions o = Parse(c.args);
    EXPECT_EQ(o.action != LaunchOptions::Action::Error, c.accepted) << c.args.back() << ": " << o.error;
  }
  EXPECT_EQ(Parse({"--render", "a.png", "--size", "8x6", "--at", "1099511627775"}).renderAt, 1099511627775);
}

TEST(LaunchOptions, TheUsageNamesEveryOptionWithItsArgument) {
  EXPECT_EQ(UnmentionedOptions(), std::vector<std::string>{});
  const std::string usage = UsageText();
  for (const char* line : {"usage: tenukiro [/s | /p ID | /l ID] [FILE|FOLDER...]\n",
                           "\n       tenukiro [-root | -window-id ID | --window] [FILE|FOLDER...]\n",
                           "\n       tenukiro --render OUT.png --size WxH [--screen WxH] [--step N] FILE\n",
                           "\n       tenukiro [/c[:ID] | /a ID]\n",
                           "\neach form also takes --seed N and --set Name=Value (repeatable); records given\n"}) {
    EXPECT_NE(usage.find(line), std::string::npos) << line << "not in\n" << usage;
  }
}

TEST(LaunchOptions, SizeTexts) {
  EXPECT_EQ(ParseSizeText("1x1"), (std::pair<int, int>{1, 1}));
  EXPECT_EQ(ParseSizeText("100000x20"), (std::pair<int, int>{100000, 20}));
  for (const char* bad : {"", "x", "10x", "x10", "10X10", "10x10x", " 10x10", "+1x1", "1x-1"}) {
    EXPECT_EQ(ParseSizeText(bad), std::nullopt) << bad;
  }
}

TEST(LaunchOptions, WindowIds) {
  EXPECT_EQ(ParseWindowId("0x400EE5"), 0x400EE5u);
  EXPECT_EQ(ParseWindowId("0x400ee5"), 0x400EE5u);
  EXPECT_EQ(ParseWindowId("123"), 123u);
  EXPECT_EQ(ParseWindowId(""), std::nullopt);
  EXPECT_EQ(ParseWindowId("0x"), std::nullopt);
  EXPECT_EQ(ParseWindowId("-5"), std::nullopt);
  EXPECT_EQ(ParseWindowId("12 "), std::nullopt);
  EXPECT_EQ(ParseWindowId("999999999999999999999999"), std::nullopt);
}

TEST(LaunchOptions, IdleTakesSecondsAndRecords) {
  LaunchOptions o = Parse({"--idle", "300", "a.sgf", "games"});
  ASSERT_EQ(o.action, LaunchOptions::Action::Run) << o.error;
  EXPECT_EQ(o.idleSeconds, 300);
  EXPECT_EQ(o.renderFiles, (std::vector<std::string>{"a.sgf", "games"}));
  EXPECT_EQ(Parse({"--idle", "86400"}).idleSeconds, 86400);
  for (const char* bad : {"0", "-3", "86401", "3s", "", "1e3", "99999999999999999999"}) {
    o = Parse({"--idle", bad});
    EXPECT_EQ(o.action, LaunchOptions::Action::Error) << bad;
    EXPECT_NE(o.error.find("'--idle' needs a number of seconds from 1 to 86400, not '" + std::string(bad) + "'"),
              std::string::npos) << o.error;
  }
  o = Parse({"--idle"});
  EXPECT_EQ(o.action, LaunchOptions::Action::Error);
  EXPECT_NE(o.error.find("'--idle' needs a number of seconds"), std::string::npos) << o.error;
  for (auto args : {std::vector<const char*>{"--idle", "5", "--window"}, {"-root", "--idle", "5"}}) {
    EXPECT_EQ(Parse(args).action, LaunchOptions::Action::Error);
  }
}

TEST(LaunchOptions, TheIdleWatchersSaverKeepsSettingsSeedAndRecords) {
  EXPECT_EQ(IdleShowArguments(Parse({"--idle", "9"})), (std::vector<std::string>{"/s"}));
  EXPECT_EQ(IdleShowArguments(Parse({"--set", "StoneRadius=20", "--idle", "9", "--seed", "7", "x.sgf", "--set",
                                     "PasswordDelay=3", "dir"})),
            (std::vector<std::string>{"/s", "--set", "StoneRadius=20", "--set", "PasswordDelay=3", "--seed", "7",
                                      "x.sgf", "dir"}));
}

// The saver reads the records it is given as the watcher read them, even those that look like
// the switch's window number.
TEST(LaunchOptions, TheIdleWatchersSaverGetsEveryRecord) {
  for (const std::vector<const char*>& records : std::vector<std::vector<const char*>>{
           {"2024"}, {"2024", "17"}, {"x.sgf", "2024"}, {"0x1f"}, {"/games/2024"}, {"12.sgf", "dir"}}) {
    std::vector<const char*> watcher = {"--idle", "5"};
    watcher.insert(watcher.end(), records.begin(), records.end());
    const std::vector<std::string> saver = IdleShowArguments(Parse(watcher));
    std::vector<const char*> saverArgs;
    for (const std::string& argument : saver) saverArgs.push_back(argument.c_str());
    const LaunchOptions shown = Parse(saverArgs);
    ASSERT_EQ(shown.commandLine.mode, RunMode::ScreenSaver) << records[0];
    ASSERT_EQ(shown.renderFiles.size(), records.size()) << records[0];
    for (size_t i = 0; i < records.size(); ++i) {
      EXPECT_EQ(std::filesystem::path(shown.renderFiles[i]).lexically_normal(), std::filesystem::path(records[i]))
          << records[i];
    }
  }
}

TEST(SettingNames, KnownValueNames) {
  for (const char* name : {"StoneRadius", "CommonPositionTime", "BackColorRed", "AssistantBalloonColorBlue",
                           "NumOfFile", "File0", "File12", "MouseThreshold", "CustColorGreen15", "WhiteStonesImage",
                           "Lines", "RandomAccess", "AllScreens"}) {
    EXPECT_TRUE(IsProfileValueName(name)) << name;
  }
  for (const char* name : {"", "BackColor", "Stoneradius", "CustColorRed16", "File", "Filex", "StoneRadiusRed",
                           "GridBackgroundColor"}) {
    EXPECT_FALSE(IsProfileValueName(name)) << name;
  }
}

// Records which run mode start-up chose.
class FakePlatform : public SaverPlatform {
 public:
  std::optional<std::string> language;
  std::string ran;
  MemoryProfile* lastProfile = nullptr;
  int readRadius = 0;

  std::optional<std::string> SystemLanguageName() override { return language; }
  std::unique_ptr<Profile> OpenProfile(const std::string& application) override {
    opened = application;
    auto profile = std::make_unique<MemoryProfile>();
    profile->WriteInt("StoneRadius", 12);
    return profile;
  }
  int RunConfiguration(Profile& profile, const CommandLine& cl) override {
    ran = "configure " + std::to_string(cl.window) + (cl.ownerIsForeground ? " foreground" : "");
    readRadius = profile.ReadInt("StoneRadius", 0);
    return 0;
  }
  int RunPreview(Profile&, const PreviewTarget& target) override {
    ran = "preview " + (target.window ? std::to_string(*target.window) : std::string("root"));
    return 0;
  }
  int RunScreenSaver(Profile& profile) override {
    ran = "saver";
    readRadius = profile.ReadInt("StoneRadius", 0);
    return 0;
  }
  int RunInWindow(Profile&) override {
    ran = "window";
    return 0;
  }
  std::optional<int> RunIdleWatcher(int seconds, const std::vector<std::string>& arguments) override {
    if (!watchesIdle) return std::nullopt;
    ran = "idle " + std::to_string(seconds);
    for (const std::string& argument : arguments) ran += " " + argument;
    return 0;
  }
  bool watchesIdle = true;
  std::string opened;
};

struct RunResult {
  int status;
  std::string out, err, ran;
  int readRadius;
  bool french;
  std::string help;
};

RunResult RunApp(std::vector<const char*> args, std::optional<std::string> language = "English",
                 const char* xscreensaverWindow = nullptr) {
  FakePlatform platform;
  platform.language = language;
  CSaverApp app(platform, {"/opt/tk/tenukiro", "/opt/tk/"});
  args.insert(args.begin(), "/opt/tk/tenukiro");
  std::ostringstream out, err;
  const int status = app.Run(static_cast<int>(args.size()), args.data(), xscreensaverWindow, out, err);
  return {status, out.str(), err.str(), platform.ran, platform.readRadius, IsFrench() != 0, app.HelpFilePath()};
}

TEST(SaverApp, DispatchesOnTheRunMode) {
  struct Case { std::vector<const char*> args; const char* ran; };
  for (const Case& c : {Case{{}, "configure 0"}, Case{{"/c"}, "configure 0 foreground"},
                        Case{{"/c:0"}, "configure 0"}, Case{{"/c:55"}, "configure 55"}, Case{{"/s"}, "saver"},
                        Case{{"/S", "1234"}, "saver"}, Case{{"/p", "1234"}, "preview 1234"},
                        Case{{"/p"}, ""}, Case{{"/a", "1"}, ""}, Case{{"-root"}, "preview root"},
                        Case{{"-window-id", "0x10"}, "preview 16"}, Case{{"--window"}, "window"},
                        Case{{"--idle", "60", "g.sgf"}, "idle 60 /s g.sgf"}}) {
    const RunResult r = RunApp(c.args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.ran, c.ran);
  }
}

TEST(SaverApp, HelpVersionAndErrors) {
  RunResult r = RunApp({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("usage: tenukiro"), std::string::npos);
  EXPECT_EQ(r.ran, "");

  r = RunApp({"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("tenukiro "), std::string::npos);

  r = RunApp({"/x"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("'/x'"), std::string::npos);
  EXPECT_NE(r.err.find("usage:"), std::string::npos);
  EXPECT_EQ(r.ran, "");

  r = RunApp({"--set", "NoSuchSetting=1", "/s"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("NoSuchSetting"), std::string::npos);
}

TEST(SaverApp, SetOverridesTheProfileForThisRun) {
  EXPECT_EQ(RunApp({"--set", "StoneRadius=20", "/s"}).readRadius, 20);
  EXPECT_EQ(RunApp({"/s"}).readRadius, 12);
}

TEST(SaverApp, RenderWritesAPng) {
  const std::string out = ::testing::TempDir() + "tenukiro_render_test.png";
  std::remove(out.c_str());
  RunResult r = RunApp({"--render", out.c_str(), "--size", "64x48", "/nonexistent.sgf"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.ran, "");
  std::ifstream png(out, std::ios::binary);
  char magic[4] = {};
  png.read(magic, 4);
  EXPECT_EQ(std::string(magic + 1, 3), "PNG");
  std::remove(out.c_str());

  r = RunApp({"--render", out.c_str(), "--size", "0x10", "/nonexistent.sgf"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("0x10"), std::string::npos);
  r = RunApp({"--render", "/nonexistent-dir/x.png", "--size", "8x8", "/nonexistent.sgf"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cannot write"), std::string::npos);
}

TEST(SaverApp, LanguageAndHelpPath) {
  for (const char* french : {"French", "FRENCH", "french"}) EXPECT_TRUE(RunApp({"/s"}, french).french);
  EXPECT_FALSE(RunApp({"/s"}, "German").french);
  EXPECT_FALSE(RunApp({"/s"}, std::nullopt).french);
  EXPECT_EQ(RunApp({"/s"}, "French").help, "/opt/tk/Tenukfra.html");
  EXPECT_EQ(RunApp({"/s"}, "English").help, "/opt/tk/Tenukeng.html");
  EXPECT_EQ(DirectoryOf("tenukiro"), "");
  EXPECT_EQ(DirectoryOf("a/b/tenukiro"), "a/b/");
}

// Any command line gives a defined outcome: random mixtures of our options, their
// values, switches and junk are either an action or an error naming something.
TEST(LaunchOptions, RandomCommandLinesGiveADefinedOutcome) {
  const std::vector<std::string> words = {
      "/s", "/p", "/c", "/a", "/l", "-S", "//s", "--s", "/x", "s", "", " ", ":", "1234", "-5", "0x10", "0X",
      "--set", "StoneRadius=5", "=", "--seed", "4294967296", "--replay", "--render", "--size", "10x10", "--screen",
      "--step", "--at", "--frames", "--until", "-root", "--root", "-window-id", "--window-id", "--window", "--help",
      "--version", "--unknown", "game.sgf", "\xff", "/p:0", "-c:7"};
  std::mt19937 random(17);
  for (int run = 0; run < 20000; ++run) {
    std::vector<std::string> args = {"tenukiro"};
    const int count = std::uniform_int_distribution<int>(0, 6)(random);
    for (int i = 0; i < count; ++i) {
      args.push_back(words[std::uniform_int_distribution<size_t>(0, words.size() - 1)(random)]);
    }
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    const LaunchOptions o =
        ParseLaunchArguments(static_cast<int>(argv.size()), argv.data(), run % 3 ? nullptr : "0x1F");
    if (o.action == LaunchOptions::Action::Error) {
      EXPECT_FALSE(o.error.empty());
    } else if (o.action == LaunchOptions::Action::Run) {
      EXPECT_NE(o.commandLine.mode, RunMode::Unset);
    }
  }
}

}  // namespace
}  // namespace tenukiro

namespace tenukiro {
namespace {

TEST(LaunchOptions, EveryOptionNamesItselfWhenItsArgumentIsMissing) {
  for (const char* option : {"--replay", "--render", "--frames", "--size", "--screen", "--step", "--at", "--until",
                             "--seed", "--set", "-window-id", "--window-id"}) {
    const LaunchOptions o = Parse({option});
    EXPECT_EQ(o.action, LaunchOptions::Action::Error) << option;
    EXPECT_NE(o.error.find(std::string("'") + option + "'"), std::string::npos) << o.error;
  }
}

TEST(LaunchOptions, NumbersAreReadWholeAndWithinTheirType) {
  struct Case { std::vector<const char*> args; bool accepted; };
  for (const Case& c : {Case{{"--seed", "4294967295", "/s"}, true}, Case{{"--seed", "4294967296", "/s"}, false},
                        Case{{"--seed", "-1", "/s"}, false}, Case{{"--seed", "12x", "/s"}, false},
                        Case{{"--render", "a.png", "--size", "8x6", "--at", "99999999999999999999"}, false},
                        Case{{"--render", "a.png", "--size", "8x6", "--at", " 5"}, false},
                        Case{{"--render", "a.png", "--size", "999999999x1", "--at", "5"}, true},
                        Case{{"-window-id", "0x0x5"}, false}, Case{{"-window-id", "0xffffffffffffffff"}, true}}) {
    const LaunchOptions o = Parse(c.args);
    EXPECT_EQ(o.action != LaunchOptions::Action::Error, c.accepted) << c.args[1] << ": " << o.error;
  }
}

TEST(LaunchOptions, TheStepIsGivenOrNot) {
  EXPECT_FALSE(Parse({"--render", "a.png", "--size", "8x6", "--at", "5"}).renderStep.has_value());
  EXPECT_EQ(Parse({"--render", "a.png", "--size", "8x6", "--step", "0", "g"}).renderStep, 0);
  const LaunchOptions zero = Parse({"--render", "a.png", "--size", "8x6", "--step", "0", "--at", "5"});
  EXPECT_EQ(zero.action, LaunchOptions::Action::Error) << "a step of 0 is still a step";
}

TEST(SaverApp, ANumberSettingMustBeGivenANumber) {
  struct Case { const char* setting; bool accepted; };
  for (const Case& c : {Case{"StoneRadius=abc", false}, Case{"StoneRadius=", false}, Case{"BackColorRed=1.5", false},
                        Case{"MouseThreshold=x", false}, Case{"CustColorBlue3=z", false}, Case{"LastPage=first", false},
                        Case{"StoneRadius=-3", true}, Case{"StoneRadius=+7", true}, Case{"StoneRadius= 12", true},
                        Case{"File0=abc", true}, Case{"BackgroundImage=my.bmp", true}, Case{"InitialDir=", true}}) {
    const RunResult r = RunApp({"--set", c.setting, "/s"});
    const std::string setting = c.setting;
    const std::string name = setting.substr(0, setting.find('='));
    if (c.accepted) {
      EXPECT_EQ(r.status, 0) << c.setting << ": " << r.err;
      EXPECT_EQ(r.ran, "saver");
    } else {
      EXPECT_EQ(r.status, 2) << c.setting;
      EXPECT_EQ(r.ran, "") << c.setting;
      EXPECT_NE(r.err.find("'" + name + "'"), std::string::npos) << r.err;
      EXPECT_NE(r.err.find("'" + setting.substr(name.size() + 1) + "'"), std::string::npos) << r.err;
    }
  }
  EXPECT_EQ(Parse({"--set", "StoneRadius=abc", "/s"}).action, LaunchOptions::Action::Error);
  EXPECT_EQ(Parse({"--set", "NoSuchSetting=1", "/s"}).action, LaunchOptions::Action::Error);
  EXPECT_EQ(Parse({"--set", "NoSuchSetting=1", "--help"}).action, LaunchOptions::Action::Help);
}

TEST(SaverApp, ABadNumberSettingStopsEveryFormBeforeItRuns) {
  const std::string png = ::testing::TempDir() + "tenukiro_bad_setting_" + std::to_string(::getpid()) + ".png";
  for (const std::vector<const char*>& args :
       {std::vector<const char*>{"--set", "StoneRadius=abc", "--render", png.c_str(), "--size", "32x24", "--at", "0"},
        std::vector<const char*>{"--render", png.c_str(), "--size", "32x24", "--step", "1", "--set", "GridX=1e3", "g"},
        std::vector<const char*>{"--replay", "g.sgf", "--set", "StoneRadius=twelve"},
        std::vector<const char*>{"-root", "--set", "StoneBrightness=0x10"}}) {
    const RunResult r = RunApp(args);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.ran, "");
    EXPECT_NE(r.err.find("needs a number"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(png));
  }
}

TEST(SaverApp, ARecordThatCannotBeReadIsNamedAndARandomGameStandsIn) {
  const std::string folder = ::testing::TempDir() + "tenukiro_unreadable_" + std::to_string(::getpid());
  const std::string png = folder + "/out.png", record = folder + "/game.sgf", missing = folder + "/missing.sgf";
  std::filesystem::create_directories(folder);
  std::ofstream(record) << "(;SZ[9];B[ee])";
  struct Case { std::vector<const char*> args; bool warned; };
  for (const Case& c : {Case{{"--replay", missing.c_str()}, true}, Case{{"--replay", record.c_str()}, false},
                        Case{{"--replay", folder.c_str()}, true},
                        Case{{"--render", png.c_str(), "--size", "32x24", missing.c_str()}, true},
                        Case{{"--render", png.c_str(), "--size", "32x24", record.c_str()}, false},
                        Case{{"--render", png.c_str(), "--size", "32x24", "--at", "10", record.c_str(),
                              missing.c_str()}, true},
                        Case{{"--render", png.c_str(), "--size", "32x24", "--at", "10", folder.c_str()}, false},
                        Case{{"--frames", folder.c_str(), "--size", "32x24", "--until", "10", missing.c_str()},
                             true}}) {
    const RunResult r = RunApp(c.args);
    EXPECT_EQ(r.status, 0) << c.args.back() << ": " << r.err;
    const bool warned = r.err.find("cannot read '" + missing + "'") != std::string::npos ||
                        r.err.find("cannot read '" + folder + "'") != std::string::npos;
    EXPECT_EQ(warned, c.warned) << c.args[0] << " " << c.args.back() << ": " << r.err;
    if (c.args[0] == std::string("--replay")) {
      EXPECT_NE(r.out.find('{'), std::string::npos) << "no steps written";
    }
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tenukiro

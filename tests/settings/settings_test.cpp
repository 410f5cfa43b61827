#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/dialog_settings.h"
#include "settings/option_value.h"
#include "settings/other_values.h"
#include "settings/settings_record.h"
#include "settings/time_scale.h"

namespace tenukiro {
namespace {

TEST(TimeScale, IndexToMilliseconds) {
  struct Case { int32_t index, ms; };
  for (const Case c : {Case{0, 10}, Case{1, 11}, Case{19, 90}, Case{20, 100}, Case{33, 450}, Case{40, 1000},
                       Case{59, 9000}, Case{60, 10000}, Case{99, 900000}, Case{100, 1000000},
                       Case{-1, 10}, Case{-500, 10}, Case{101, 1000000}, Case{INT32_MAX, 1000000},
                       Case{INT32_MIN, 10}}) {
    EXPECT_EQ(TimeIndexToMs(c.index), c.ms) << "index " << c.index;
  }
}

TEST(TimeScale, MillisecondsToIndex) {
  struct Case { int32_t ms, index; };
  for (const Case c : {Case{10, 0}, Case{100, 20}, Case{1000, 40}, Case{500, 33}, Case{450, 33},
                       Case{10000, 60}, Case{1000000, 100}, Case{0, 0}, Case{-5, 0}}) {
    EXPECT_EQ(MsToTimeIndex(c.ms), c.index) << c.ms << " ms";
  }
  for (int32_t index = 0; index <= 100; ++index) EXPECT_EQ(MsToTimeIndex(TimeIndexToMs(index)) <= index, true);
}

TEST(Profile, IntegersAreParsedStrictly) {
  struct Case { const char* text; std::optional<int32_t> value; };
  for (const Case c : {Case{"12", 12}, Case{"-3", -3}, Case{"+7", 7}, Case{" 5", 5}, Case{"", std::nullopt},
                       Case{"abc", std::nullopt}, Case{"12abc", std::nullopt}, Case{"-", std::nullopt},
                       Case{"2147483647", INT32_MAX}, Case{"-2147483648", INT32_MIN},
                       Case{"2147483648", std::nullopt}, Case{"99999999999999999999", std::nullopt}}) {
    EXPECT_EQ(ParseProfileInt(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(ShowSettings, FreshProfileGivesTheDefaults) {
  const MemoryProfile empty;
  const SettingsRecord s = ReadShowSettings(empty);
  EXPECT_EQ(s.Effective(CommonPositionTime), 1000);
  EXPECT_EQ(s.Effective(FinalPositionTime), 1000);
  EXPECT_EQ(s.Effective(CommentPageTime), 1000);
  EXPECT_EQ(s.Effective(CommentLineTime), 1000);
  EXPECT_EQ(s.Effective(SplashDelay), 1000);
  EXPECT_EQ(s.Effective(BeforeSplashDelay), 450);
  EXPECT_EQ(s.Effective(AfterSplashDelay), 450);
  EXPECT_EQ(s.Effective(RandomAccess), 1);
  EXPECT_EQ(s.Effective(StoneRadius), 12);
  EXPECT_EQ(s.Effective(GridPosition), 1);
  EXPECT_EQ(s.Effective(StoneBrightness), 10);
  EXPECT_EQ(s.Effective(AssistantHeight), 38);
  EXPECT_EQ(s.Effective(AssistantWidth), 19);
  for (SettingId off : {Assistant, Comment, Informations, Numbering, MarksAndLabels, MarkOnLastMove, AsInBooks,
                        Indices, SgfPriority, RandomColors, CustomPatterns}) {
    EXPECT_FALSE(s.On(off)) << InfoOf(off).name;
  }
  EXPECT_TRUE(s.On(Lines));
  EXPECT_TRUE(s.On(StarPoints));
  EXPECT_TRUE(s.On(With3DEffect));
  EXPECT_EQ(s.Effective(BackColor), static_cast<int32_t>(Rgb(255, 170, 85)));
  EXPECT_EQ(s.Effective(AssistantBodyColor), static_cast<int32_t>(Rgb(0, 255, 0)));
  EXPECT_TRUE(ReadFileList(empty).empty());
  for (int i = 0; i < kSettingCount; ++i) EXPECT_TRUE(s.FromRegistry(static_cast<SettingId>(i)));
}

TEST(ShowSettings, OutOfRangeAndGarbageValues) {
  struct Case { const char* name; const char* stored; SettingId id; int32_t expected; };
  for (const Case c : {Case{"StoneRadius", "0", StoneRadius, 1}, Case{"StoneRadius", "150", StoneRadius, 99},
                       Case{"StoneRadius", "abc", StoneRadius, 12}, Case{"StoneRadius", "15x", StoneRadius, 12},
                       Case{"GridX", "-120", GridX, -99}, Case{"GridY", "120", GridY, 99},
                       Case{"GridPosition", "7", GridPosition, 2}, Case{"AssistantHeight", "0", AssistantHeight, 1},
                       Case{"StoneBrightness", "20000", StoneBrightness, 10000},
                       Case{"StoneBrightness", "-1", StoneBrightness, 0},
                       Case{"CommentLineTime", "0", CommentLineTime, 10},
                       Case{"CommentLineTime", "-40", CommentLineTime, 10},
                       Case{"SplashDelay", "250", SplashDelay, 1000000},
                       Case{"CommonPositionTime", "", CommonPositionTime, 1000},
                       Case{"RandomAccess", "2", RandomAccess, 2},
                       Case{"AllScreens", "yes", AllScreens, 0}, Case{"AllScreens", "1", AllScreens, 1}}) {
    MemoryProfile profile;
    profile.WriteText(c.name, c.stored);
    EXPECT_EQ(ReadShowSettings(profile).Effective(c.id), c.expected) << c.name << "=" << c.stored;
  }
}

TEST(ShowSettings, ColoursKeepTheLowEightBitsOfEachComponent) {
  MemoryProfile profile;
  profile.WriteInt("LineColorRed", 511);
  profile.WriteInt("LineColorGreen", 256 + 16);
  profile.WriteText("LineColorBlue", "garbage");
  profile.WriteInt("BackColorBlue", -1);
  const SettingsRecord s = ReadShowSettings(profile);
  EXPECT_EQ(s.Effective(LineColor), static_cast<int32_t>(Rgb(255, 16, 0)));
  EXPECT_EQ(s.Effective(BackColor), static_cast<int32_t>(Rgb(255, 170, 255)));
}

TEST(FileList, CountAndEntries) {
  MemoryProfile profile;
  profile.WriteInt("NumOfFile", -3);
  profile.WriteText("File0", "a.sgf");
  EXPECT_TRUE(ReadFileList(profile).empty());
  profile.WriteInt("NumOfFile", 2);
  EXPECT_EQ(ReadFileList(profile), (std::vector<std::string>{"a.sgf", ""}));
  profile.WriteInt("NumOfFile", 2000000000);
  EXPECT_LE(ReadFileList(profile).size(), 65536u);
}

TEST(OptionValues, LeadingIntegerAndColour) {
  EXPECT_EQ(ScanLeadingInteger("15"), 15);
  EXPECT_EQ(ScanLeadingInteger("  -7xyz"), -7);
  EXPECT_EQ(ScanLeadingInteger("x7"), std::nullopt);
  EXPECT_EQ(ScanLeadingInteger(""), std::nullopt);
  EXPECT_GT(*ScanLeadingInteger("99999999999999999999999"), 1000000);
  EXPECT_EQ(ParseHexColour("FF0000"), Rgb(255, 0, 0));
  EXPECT_EQ(ParseHexColour("00ff80trailing"), Rgb(0, 255, 128));
  EXPECT_EQ(ParseHexColour("FF00"), std::nullopt);
  EXPECT_EQ(ParseHexColour("FF00G0"), std::nullopt);
}

struct OptionCase {
  std::vector<std::string_view> options;
  int32_t registrySgfPriority;
  SettingId id;
  int32_t expected;
  bool fromRegistry;
};

class RecordOptions : public ::testing::TestWithParam<OptionCase> {};

TEST_P(RecordOptions, Apply) {
  const OptionCase& c = GetParam();
  MemoryProfile profile;
  profile.WriteInt("SgfPriority", c.registrySgfPriority);
  profile.WriteInt("StoneRadius", 12);
  SettingsRecord s = ReadShowSettings(profile);
  s.ApplyRecordOptions(c.options);
  EXPECT_EQ(s.Effective(c.id), c.expected);
  EXPECT_EQ(s.FromRegistry(c.id), c.fromRegistry);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, RecordOptions,
    ::testing::Values(
        OptionCase{{"StoneRadius:15"}, 1, StoneRadius, 15, false},
        OptionCase{{"stoneradius:15"}, 1, StoneRadius, 15, false},
        OptionCase{{"StoneRadius:150"}, 1, StoneRadius, 12, false},
        OptionCase{{"StoneRadius 15"}, 1, StoneRadius, 12, true},
        OptionCase{{"StoneRadiusX:15"}, 1, StoneRadius, 12, true},
        OptionCase{{"StoneRadius:15"}, 0, StoneRadius, 12, true},
        OptionCase{{"SgfPriority:1", "Numbering:1"}, 0, Numbering, 1, false},
        OptionCase{{"Numbering:1", "SgfPriority:1"}, 0, Numbering, 1, false},
        OptionCase{{"SgfPriority:0", "Numbering:1"}, 1, Numbering, 0, true},
        OptionCase{{"Numbering:1", "SgfPriority:0"}, 1, Numbering, 0, true},
        OptionCase{{"Numbering:x"}, 1, Numbering, 0, false},
        OptionCase{{"Numbering:1"}, 1, Numbering, 1, false},
        OptionCase{{"GridLineColor:FF0000"}, 1, LineColor, static_cast<int32_t>(Rgb(255, 0, 0)), false},
        OptionCase{{"GridLineColor:FF00"}, 1, LineColor, 0, false},
        OptionCase{{"GridBackgroundColor:102030"}, 1, BackColor, static_cast<int32_t>(Rgb(16, 32, 48)), false},
        OptionCase{{"CommentLineTime:5"}, 1, CommentLineTime, 1000, false},
        OptionCase{{"CommentLineTime:10"}, 1, CommentLineTime, 10, false},
        OptionCase{{"SplashDelay:1000001"}, 1, SplashDelay, 1000, false},
        OptionCase{{"GridX:-99"}, 1, GridX, -99, false},
        OptionCase{{"GridX:-100"}, 1, GridX, 0, false},
        OptionCase{{"StoneBrightness:10000"}, 1, StoneBrightness, 10000, false},
        OptionCase{{"StoneRadius:20", "StoneRadius:30"}, 1, StoneRadius, 30, false},
        OptionCase{{"BeforeSplashDelay:100"}, 1, BeforeSplashDelay, 450, true},
        OptionCase{{""}, 1, StoneRadius, 12, true}));

TEST(RecordOptionsReset, ANewRootDropsThePreviousOverrides) {
  MemoryProfile profile;
  profile.WriteInt("SgfPriority", 1);
  SettingsRecord s = ReadShowSettings(profile);
  const std::vector<std::string_view> first = {"StoneRadius:30"};
  s.ApplyRecordOptions(first);
  ASSERT_EQ(s.Effective(StoneRadius), 30);
  s.ApplyRecordOptions({});
  EXPECT_EQ(s.Effective(StoneRadius), 12);
  EXPECT_TRUE(s.FromRegistry(StoneRadius));
}

TEST(RecordOptionsSetter, TheProfileCopyChangesButAnOverrideStays) {
  MemoryProfile profile;
  profile.WriteInt("SgfPriority", 1);
  SettingsRecord s = ReadShowSettings(profile);
  const std::vector<std::string_view> options = {"StoneRadius:30"};
  s.ApplyRecordOptions(options);
  EXPECT_FALSE(s.SetRegistryValue(StoneRadius, 20));
  EXPECT_EQ(s.Registry(StoneRadius), 20);
  EXPECT_EQ(s.Effective(StoneRadius), 30);
  EXPECT_TRUE(s.SetRegistryValue(GridX, 5));
  EXPECT_EQ(s.Effective(GridX), 5);
  s.ResetOverrides();
  EXPECT_EQ(s.Effective(StoneRadius), 20);
}

TEST(RecordColour, FirstMatchingValueWins) {
  const std::vector<std::string_view> options = {"Numbering:1", "gridlinecolor:00FF00", "GridLineColor:0000FF",
                                                 "BlackStoneColor:zz"};
  EXPECT_EQ(LookupRecordColour(options, "GridLineColor", 7), Rgb(0, 255, 0));
  EXPECT_EQ(LookupRecordColour(options, "BlackStoneColor", 7), 7u);
  EXPECT_EQ(LookupRecordColour(options, "WhiteStoneColor", 9), 9u);
  EXPECT_EQ(LookupRecordColour({}, "WhiteStoneColor", 9), 9u);
}

TEST(Colours, SaveAndRestoreTheTwelveEffectiveColours) {
  SettingsRecord s;
  s.SaveEffectiveColours();
  s.SetEffective(LineColor, 0x123456);
  s.SetEffective(StoneRadius, 40);
  s.RestoreEffectiveColours();
  EXPECT_EQ(s.Effective(LineColor), 0);
  EXPECT_EQ(s.Effective(StoneRadius), 40);
}

// Records every write in order, to check what the dialog's OK writes.
class RecordingProfile : public MemoryProfile {
 public:
  void WriteText(std::string_view name, std::string_view value) override {
    writes.emplace_back(name);
    MemoryProfile::WriteText(name, value);
  }
  std::vector<std::string> writes;
};

TEST(DialogSettings, OkWritesFilesThenCountThenTheRestInTableOrder) {
  MemoryProfile stored;
  stored.WriteInt("StoneRadius", 500);
  stored.WriteInt("CommonPositionTime", 60);
  DialogSettings dialog = ReadDialogSettings(stored);
  EXPECT_EQ(dialog.values[StoneRadius], 99);
  EXPECT_EQ(dialog.values[CommonPositionTime], 60);
  EXPECT_EQ(dialog.values[SplashDelay], 40);
  dialog.files = {"a.sgf", "b.sgf"};

  RecordingProfile out;
  WriteDialogSettings(out, dialog);
  ASSERT_GE(out.writes.size(), 4u);
  EXPECT_EQ(out.writes[0], "File0");
  EXPECT_EQ(out.writes[1], "File1");
  EXPECT_EQ(out.writes[2], "NumOfFile");
  EXPECT_EQ(out.writes[3], "RandomAccess");
  EXPECT_EQ(out.ReadInt("CommonPositionTime"), 60);
  EXPECT_EQ(out.ReadInt("BackColorRed"), 255);
  EXPECT_EQ(out.ReadInt("BackColorGreen"), 170);
  EXPECT_EQ(out.ReadInt("BackColorBlue"), 85);
  for (const char* never : {"BeforeSplashDelay", "AfterSplashDelay", "StoneBrightness", "MouseThreshold"}) {
    EXPECT_FALSE(out.ReadText(never).has_value()) << never;
  }
  const auto colourRed = std::find(out.writes.begin(), out.writes.end(), "LineColorRed");
  ASSERT_NE(colourRed, out.writes.end());
  EXPECT_EQ(*(colourRed + 1), "LineColorGreen");
  EXPECT_EQ(*(colourRed + 2), "LineColorBlue");
}

TEST(DialogSettings, AnEmptyListStillWritesTheCount) {
  MemoryProfile out;
  out.WriteText("File0", "old.sgf");
  out.WriteInt("NumOfFile", 1);
  DialogSettings dialog = ReadDialogSettings(MemoryProfile{});
  WriteDialogSettings(out, dialog);
  EXPECT_EQ(out.ReadInt("NumOfFile"), 0);
  EXPECT_EQ(out.ReadText("File0"), "old.sgf");
}

TEST(OtherValues, DefaultsAndCustomColours) {
  MemoryProfile profile;
  EXPECT_EQ(ReadMouseThreshold(profile), 100);
  EXPECT_EQ(ReadPasswordDelay(profile), 10);
  EXPECT_EQ(ReadLastPage(profile), 0);
  EXPECT_EQ(ReadInitialDir(profile), "");
  EXPECT_EQ(PatternFileName(profile, PatternFile::Background), "BACKGR.BMP");
  EXPECT_EQ(PatternFileName(profile, PatternFile::BlackStones), "BLACKS.BMP");
  EXPECT_EQ(PatternFileName(profile, PatternFile::WhiteStones), "WHITES.BMP");
  CustomColours colours = LoadCustomColours(profile);
  EXPECT_EQ(colours[0], Rgb(255, 170, 85));
  EXPECT_EQ(colours[15], Rgb(255, 255, 255));
  colours[3] = Rgb(1, 2, 3);
  SaveCustomColours(profile, colours);
  profile.WriteInt("CustColorRed4", 300);
  const CustomColours back = LoadCustomColours(profile);
  EXPECT_EQ(back[3], Rgb(1, 2, 3));
  EXPECT_EQ(back[4], Rgb(44, 255, 255));
}

TEST(OverriddenProfile, OverridesReadsOnly) {
  MemoryProfile base;
  base.WriteInt("StoneRadius", 12);
  OverriddenProfile profile(base);
  profile.Override("StoneRadius", "20");
  EXPECT_EQ(ReadShowSettings(profile).Effective(StoneRadius), 20);
  profile.WriteInt("GridX", 3);
  EXPECT_EQ(base.ReadInt("GridX"), 3);
  EXPECT_EQ(base.ReadInt("StoneRadius"), 12);
}

}  // namespace
}  // namespace tenukiro

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "base/language.h"
#include "config/colours_page.h"
#include "config/data_exchange.h"
#include "config/others_page.h"
#include "config/spatial_page.h"
#include "config/temporal_page.h"
#include "config/recording_preview.h"
#include "settings/time_scale.h"

namespace tenukiro {
namespace {

DialogSettings FreshSettings() { return ReadDialogSettings(MemoryProfile()); }

TEST(DataExchange, RefusesTextThatIsNoIntegerOrOutOfRange) {
  struct Case { const char* text; int32_t low, high; std::optional<int32_t> value; const char* refusal; };
  for (const Case c : {Case{"12", 1, 99, 12, nullptr}, Case{" -99 ", -99, 99, -99, nullptr},
                       Case{"+5", 1, 99, 5, nullptr}, Case{"150", 1, 99, std::nullopt, "Please enter an integer between 1 and 99."},
                       Case{"-100", -99, 99, std::nullopt, "Please enter an integer between -99 and 99."},
                       Case{"", 1, 99, std::nullopt, "Please enter an integer."},
                       Case{"-", -99, 99, std::nullopt, "Please enter an integer."},
                       Case{"1x", 1, 99, std::nullopt, "Please enter an integer."},
                       Case{"99999999999", 1, 99, std::nullopt, "Please enter an integer."}}) {
    const ExchangedInteger result = ExchangeInteger(c.text, c.low, c.high);
    if (c.value) {
      EXPECT_FALSE(result.refusal) << c.text;
      EXPECT_EQ(result.value, *c.value) << c.text;
    } else {
      EXPECT_EQ(result.refusal, std::optional<std::string>(c.refusal)) << c.text;
    }
  }
}

TEST(TemporalPage, SlidersSendMillisecondsAndDefaultIsOneSecond) {
  RecordingPreview preview;
  CTemporalPage page(preview);
  page.Load(FreshSettings());
  page.OnSliderMoved(0, 59);
  page.OnSliderMoved(4, 80);
  EXPECT_EQ(preview.Last(CommonPositionTime), 9000);
  EXPECT_EQ(preview.Last(SplashDelay), 100000);
  EXPECT_EQ(page.TipText(0), "9.000 s");
  preview.settings.clear();
  page.Default();
  ASSERT_EQ(preview.settings.size(), 5u);
  for (size_t i = 0; i < CTemporalPage::kSliders.size(); ++i) {
    EXPECT_EQ(preview.settings[i], std::make_pair(CTemporalPage::kSliders[i].setting, 1000));
    EXPECT_EQ(page.Position(static_cast<int>(i)), MsToTimeIndex(1000));
  }
  page.OnSliderMoved(2, 7);
  DialogSettings out = FreshSettings();
  page.Exchange(out);
  EXPECT_EQ(out.values[CommentLineTime], 7);
  EXPECT_EQ(out.values[CommonPositionTime], 40);
}

TEST(SpatialPage, EditsAreClampedAsTheyAreTyped) {
  using E = CSpatialPage::Edit;
  struct Case { E edit; const char* typed; int32_t previewGets; std::optional<std::string> shown; };
  for (const Case& c : {Case{E::Radius, "150", 99, "99"}, Case{E::Radius, "", 1, "1"}, Case{E::Radius, "0", 1, "1"},
                        Case{E::Radius, "20", 20, std::nullopt}, Case{E::X, "-", 0, std::nullopt},
                        Case{E::X, "abc", 0, std::nullopt}, Case{E::Y, "-120", -99, "-99"},
                        Case{E::Height, "0", 1, "1"}, Case{E::Width, "150", 99, std::nullopt},
                        Case{E::Width, "-4", 1, std::nullopt}}) {
    RecordingPreview preview;
    CSpatialPage page(preview);
    page.Load(FreshSettings());
    EXPECT_EQ(page.OnEditChanged(c.edit, c.typed), c.shown) << c.typed;
    EXPECT_EQ(preview.Last(CSpatialPage::kEdits[c.edit].setting), c.previewGets) << c.typed;
    EXPECT_EQ(page.EditText(c.edit), c.shown.value_or(c.typed));
  }
}

TEST(SpatialPage, ExchangeStopsAtTheFirstBadEdit) {
  RecordingPreview preview;
  CSpatialPage page(preview);
  page.Load(FreshSettings());
  page.OnEditChanged(CSpatialPage::Width, "150");
  page.OnEditChanged(CSpatialPage::Radius, "30");
  DialogSettings out = FreshSettings();
  auto error = page.Exchange(out);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->message, "Please enter an integer between 1 and 99.");
  EXPECT_EQ(error->control, CSpatialPage::Width);
  EXPECT_EQ(out.values[StoneRadius], 12) << "a refused exchange hands back nothing";

  page.OnEditChanged(CSpatialPage::X, "-");
  error = page.Exchange(out);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->message, "Please enter an integer.");
  EXPECT_EQ(error->control, CSpatialPage::X);

  page.OnEditChanged(CSpatialPage::X, "-7");
  page.OnEditChanged(CSpatialPage::Width, "25");
  page.OnCustomHeight(true);
  page.OnGridPosition(2);
  ASSERT_FALSE(page.Exchange(out));
  EXPECT_EQ(out.values[StoneRadius], 30);
  EXPECT_EQ(out.values[GridX], -7);
  EXPECT_EQ(out.values[AssistantWidth], 25);
  EXPECT_EQ(out.values[AssistantCustomHeight], 1);
  EXPECT_EQ(out.values[AssistantCustomWidth], 0);
  EXPECT_EQ(out.values[GridPosition], 2);
}

TEST(SpatialPage, EnablingFollowsTheRadioButtonsAndCheckBoxes) {
  RecordingPreview preview;
  CSpatialPage page(preview);
  page.Load(FreshSettings());
  for (const int32_t position : {0, 1, 2, 0}) {
    page.OnGridPosition(position);
    EXPECT_EQ(page.CheckedGridRadio(), position);
    EXPECT_EQ(page.GridOffsetsEnabled(), position == 2);
    EXPECT_EQ(preview.Last(GridPosition), position);
  }
  page.OnCustomWidth(true);
  EXPECT_TRUE(page.WidthEnabled());
  EXPECT_FALSE(page.HeightEnabled());
  EXPECT_EQ(preview.Last(AssistantCustomWidth), 1);
  page.OnCustomHeight(true);
  page.OnCustomHeight(false);
  EXPECT_FALSE(page.HeightEnabled());
  EXPECT_EQ(preview.Last(AssistantCustomHeight), 0);
}

TEST(SpatialPage, AnyStoredGridPositionChecksOneRadioButton) {
  struct Case { int32_t stored; int radio; bool offsets; };
  for (const Case c : {Case{0, 0, false}, Case{1, 1, false}, Case{2, 2, true}, Case{7, 2, true}, Case{-3, 0, false}}) {
    RecordingPreview preview;
    CSpatialPage page(preview);
    DialogSettings settings = FreshSettings();
    settings.values[GridPosition] = c.stored;
    page.Load(settings);
    EXPECT_EQ(page.CheckedGridRadio(), c.radio) << c.stored;
    EXPECT_EQ(page.GridOffsetsEnabled(), c.offsets) << c.stored;
  }
}

TEST(SpatialPage, SpinStepsWithinTheRange) {
  RecordingPreview preview;
  CSpatialPage page(preview);
  page.Load(FreshSettings());
  EXPECT_EQ(page.SpinStep(CSpatialPage::Radius, 1), "13");
  page.OnEditChanged(CSpatialPage::Width, "150");
  EXPECT_EQ(page.SpinStep(CSpatialPage::Width, 1), "99");
  EXPECT_EQ(page.SpinStep(CSpatialPage::Width, -1), "98");
  page.OnEditChanged(CSpatialPage::X, "-99");
  EXPECT_EQ(page.SpinStep(CSpatialPage::X, -1), "-99");
}

TEST(SpatialPage, DefaultRestoresAndSendsAllEightValues) {
  RecordingPreview preview;
  CSpatialPage page(preview);
  DialogSettings settings = FreshSettings();
  settings.values[StoneRadius] = 40;
  settings.values[GridPosition] = 2;
  settings.values[AssistantCustomWidth] = 1;
  page.Load(settings);
  page.Default();
  const char* texts[] = {"12", "0", "0", "38", "19"};
  for (int i = 0; i < CSpatialPage::kEditCount; ++i) {
    EXPECT_EQ(page.EditText(static_cast<CSpatialPage::Edit>(i)), texts[i]);
    EXPECT_EQ(preview.Last(CSpatialPage::kEdits[i].setting), std::stoi(texts[i]));
  }
  EXPECT_EQ(preview.Last(GridPosition), 1);
  EXPECT_EQ(preview.Last(AssistantCustomWidth), 0);
  EXPECT_EQ(preview.Last(AssistantCustomHeight), 0);
  EXPECT_FALSE(page.GridOffsetsEnabled());
  EXPECT_FALSE(page.WidthEnabled());
}

class ColoursPageTest : public ::testing::Test {
 protected:
  CColoursPage MakePage(bool patternFiles) {
    return CColoursPage(preview_, profile_, [patternFiles] { return patternFiles; });
  }
  RecordingPreview preview_;
  MemoryProfile profile_;
};

TEST_F(ColoursPageTest, RandomGreysTheColourButtonsFromTheStart) {
  DialogSettings settings = FreshSettings();
  settings.values[RandomColors] = 1;
  CColoursPage page = MakePage(true);
  page.Load(settings);
  EXPECT_FALSE(page.ColourButtonsEnabled());
  page.OnRandom(false);
  EXPECT_TRUE(page.ColourButtonsEnabled());
  EXPECT_EQ(preview_.Last(RandomColors), 0);
  page.OnRandom(true);
  page.Default();
  EXPECT_TRUE(page.ColourButtonsEnabled()) << "Default turns Random off";
}

TEST_F(ColoursPageTest, DefaultSendsSwitchesThenTheTwelveColoursInOrder) {
  DialogSettings settings = FreshSettings();
  for (const SettingId colour : kColourSettings) settings.values[colour] = 0x123456;
  settings.values[With3DEffect] = 0;
  settings.values[CustomPatterns] = 1;
  CColoursPage page = MakePage(true);
  page.Load(settings);
  page.Default();
  ASSERT_EQ(preview_.settings.size(), 15u);
  EXPECT_EQ(preview_.settings[0], std::make_pair(RandomColors, 0));
  EXPECT_EQ(preview_.settings[1], std::make_pair(CustomPatterns, 0));
  EXPECT_EQ(preview_.settings[2], std::make_pair(With3DEffect, 1));
  for (size_t i = 0; i < kColourSettings.size(); ++i) {
    EXPECT_EQ(preview_.settings[3 + i], std::make_pair(kColourSettings[i], InfoOf(kColourSettings[i]).defaultValue));
    EXPECT_EQ(page.ColourOf(kColourSettings[i]), static_cast<Color>(InfoOf(kColourSettings[i]).defaultValue));
  }
  EXPECT_EQ(page.ColourOf(BackColor), Rgb(255, 170, 85));
  EXPECT_TRUE(page.With3DEffectChecked());
  EXPECT_FALSE(page.CustomChecked());
}

TEST_F(ColoursPageTest, CustomExplainsThePatternFilesOnlyWhenNoneIsFound) {
  struct Case { bool filesFound, turnedOn, explains; };
  for (const Case c : {Case{false, true, true}, Case{true, true, false}, Case{false, false, false}}) {
    CColoursPage page = MakePage(c.filesFound);
    page.Load(FreshSettings());
    EXPECT_EQ(page.OnCustom(c.turnedOn), c.explains);
    EXPECT_EQ(page.CustomChecked(), c.turnedOn) << "the box keeps its state either way";
    EXPECT_EQ(preview_.Last(CustomPatterns), c.turnedOn ? 1 : 0);
  }
}

TEST_F(ColoursPageTest, ChosenColourGoesToThePreviewAndTheCustomColoursToTheProfile) {
  CColoursPage page = MakePage(true);
  page.Load(FreshSettings());
  CustomColours slots = page.CustomColoursForChooser();
  EXPECT_EQ(slots[0], Rgb(255, 170, 85));
  for (int i = 1; i < 16; ++i) EXPECT_EQ(slots[i], Rgb(255, 255, 255));
  slots[3] = Rgb(1, 2, 3);
  page.OnColourChosen(LineColor, Rgb(200, 0, 0), slots);
  EXPECT_EQ(preview_.Last(LineColor), static_cast<int32_t>(Rgb(200, 0, 0)));
  EXPECT_EQ(page.ColourOf(LineColor), Rgb(200, 0, 0));
  EXPECT_EQ(profile_.ReadInt("CustColorGreen3"), 2);
  EXPECT_EQ(page.CustomColoursForChooser(), slots);
  DialogSettings out = FreshSettings();
  page.Exchange(out);
  EXPECT_EQ(out.values[LineColor], static_cast<int32_t>(Rgb(200, 0, 0)));
}

TEST(PatternFiles, AnyOfTheThreeBitmapsIsEnough) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("tenukiro-patterns-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const MemoryProfile profile;
  const std::string directory = folder.string() + "/";
  EXPECT_FALSE(AnyPatternFileReadable(profile, directory));
  std::ofstream(folder / "WHITES.BMP") << "BM";
  EXPECT_TRUE(AnyPatternFileReadable(profile, directory));
  fs::remove_all(folder);
}

TEST(OthersPage, DefaultLeavesOnlyStarPointsAndLines) {
  RecordingPreview preview;
  COthersPage page(preview);
  DialogSettings settings = FreshSettings();
  for (const auto& s : COthersPage::kSwitches) settings.values[s.setting] = 1;
  page.Load(settings);
  page.Default();
  ASSERT_EQ(preview.settings.size(), COthersPage::kSwitches.size());
  for (size_t i = 0; i < COthersPage::kSwitches.size(); ++i) {
    const SettingId id = COthersPage::kSwitches[i].setting;
    const bool on = id == StarPoints || id == Lines;
    EXPECT_EQ(page.Checked(static_cast<int>(i)), on) << InfoOf(id).name;
    EXPECT_EQ(preview.settings[i], std::make_pair(id, on ? 1 : 0));
  }
  page.OnClicked(6, true);
  DialogSettings out = FreshSettings();
  page.Exchange(out);
  EXPECT_EQ(out.values[Comment], 1);
  EXPECT_EQ(out.values[Numbering], 0);
}

TEST(OthersPage, EveryScreenIsKeptAndDefaultsToThePrimaryAloneWithoutTouchingThePreview) {
  RecordingPreview preview;
  COthersPage page(preview);
  DialogSettings settings = FreshSettings();
  EXPECT_EQ(settings.values[AllScreens], 0);
  settings.values[AllScreens] = 1;
  page.Load(settings);
  EXPECT_TRUE(page.AllScreensChecked());
  DialogSettings out = FreshSettings();
  page.Exchange(out);
  EXPECT_EQ(out.values[AllScreens], 1);
  page.OnAllScreens(false);
  page.Exchange(out);
  EXPECT_EQ(out.values[AllScreens], 0);
  page.OnAllScreens(true);
  page.Default();
  EXPECT_FALSE(page.AllScreensChecked());
  for (const auto& [id, value] : preview.settings) EXPECT_NE(id, AllScreens) << "a preview has one window";
}

}  // namespace
}  // namespace tenukiro

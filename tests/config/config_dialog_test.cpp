#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/config_dialog.h"
#include "config/recording_preview.h"

namespace tenukiro {
namespace {

// A profile that also remembers the order of its writes.
class WriteOrderProfile : public MemoryProfile {
 public:
  void WriteText(std::string_view name, std::string_view value) override {
    writes.emplace_back(name);
    MemoryProfile::WriteText(name, value);
  }
  std::vector<std::string> writes;
};

class ConfigDialogTest : public ::testing::Test {
 protected:
  CConfigDialog MakeDialog() {
    return CConfigDialog(profile_, preview_, [] { return true; });
  }
  WriteOrderProfile profile_;
  RecordingPreview preview_;
};

TEST_F(ConfigDialogTest, LastPageChoosesTheFirstTab) {
  struct Case { const char* stored; ConfigTab tab; };
  for (const Case c : {Case{nullptr, TemporalTab}, Case{"1", SpatialTab}, Case{"2", ColoursTab}, Case{"3", OthersTab},
                       Case{"7", TemporalTab}, Case{"-1", TemporalTab}, Case{"x", TemporalTab}}) {
    WriteOrderProfile profile;
    if (c.stored) profile.WriteText("LastPage", c.stored);
    EXPECT_EQ(CConfigDialog(profile, preview_, [] { return true; }).InitialTab(), c.tab) << (c.stored ? c.stored : "none");
  }
}

TEST_F(ConfigDialogTest, AddAppendsInOrderAndRemembersTheFolderEvenOnCancel) {
  profile_.WriteText("NumOfFile", "1");
  profile_.WriteText("File0", "/old/x.sgf");
  CConfigDialog dialog = MakeDialog();
  profile_.writes.clear();
  dialog.AddFiles({"/games/b.sgf", "/games/a.sgf", "/games/x.sgf"});
  EXPECT_EQ(dialog.Files(), (std::vector<std::string>{"/old/x.sgf", "/games/b.sgf", "/games/a.sgf", "/games/x.sgf"}));
  ASSERT_EQ(preview_.lists.size(), 1u);
  EXPECT_EQ(preview_.lists[0], dialog.Files());
  EXPECT_EQ(profile_.ReadText("InitialDir"), "/games");
  EXPECT_EQ(dialog.InitialDir(), "/games");
  dialog.Cancel(2);
  EXPECT_EQ(profile_.writes, (std::vector<std::string>{"InitialDir", "LastPage"}));
  EXPECT_EQ(profile_.ReadInt("LastPage"), 2);
  EXPECT_EQ(profile_.ReadInt("NumOfFile"), 1) << "Cancel keeps the old list";
}

TEST_F(ConfigDialogTest, FolderOfAPath) {
  struct Case { const char* path; std::optional<std::string> folder; };
  for (const Case& c : {Case{"/a/b/c.sgf", "/a/b"}, Case{"/c.sgf", "/"}, Case{"c.sgf", std::nullopt},
                        Case{"C:\\games\\a.sgf", "C:\\games"}, Case{"C:\\a.sgf", "C:"}, Case{"\\a.sgf", "\\"},
                        Case{"C:\\x/y\\z.sgf", "C:\\x/y"}, Case{"C:/x\\y/z.sgf", "C:/x\\y"}, Case{"", std::nullopt}}) {
    EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
  }
}

TEST_F(ConfigDialogTest, AddFromAWindowsFolderRemembersIt) {
  CConfigDialog dialog = MakeDialog();
  dialog.AddFiles({"D:\\old\\x.sgf", "D:\\go\\kifu\\b.sgf"});
  EXPECT_EQ(dialog.InitialDir(), "D:\\go\\kifu") << "the folder of the last chosen file";
}

TEST_F(ConfigDialogTest, RemoveTakesEverySelectedLine) {
  CConfigDialog dialog = MakeDialog();
  dialog.AddFiles({"/a", "/b", "/c", "/d"});
  dialog.RemoveFiles({1, 2});
  EXPECT_EQ(dialog.Files(), (std::vector<std::string>{"/a", "/d"}));
  dialog.RemoveFiles({1, 0, 1, 9});
  EXPECT_TRUE(dialog.Files().empty());
  EXPECT_TRUE(preview_.lists.back().empty());
  const size_t lists = preview_.lists.size();
  dialog.AddFiles({"/e"});
  dialog.RemoveFiles({});
  EXPECT_EQ(dialog.Files(), (std::vector<std::string>{"/e"})) << "nothing selected";
  EXPECT_EQ(preview_.lists.size(), lists + 1) << "only Add gave the preview a list";
}

TEST_F(ConfigDialogTest, DefaultLeavesTheFilesAlone) {
  profile_.WriteText("RandomAccess", "0");
  profile_.WriteText("SgfPriority", "1");
  CConfigDialog dialog = MakeDialog();
  dialog.AddFiles({"/a", "/b"});
  preview_.lists.clear();
  dialog.Default();
  EXPECT_EQ(dialog.Files(), (std::vector<std::string>{"/a", "/b"}));
  EXPECT_TRUE(preview_.lists.empty());
  EXPECT_TRUE(dialog.RandomAccessChecked());
  EXPECT_FALSE(dialog.SgfPriorityChecked());
  EXPECT_EQ(preview_.randomAccess, std::vector<int32_t>{1});
  EXPECT_EQ(preview_.sgfPriority, std::vector<int32_t>{0});
}

TEST_F(ConfigDialogTest, RefusedOkWritesNothing) {
  CConfigDialog dialog = MakeDialog();
  dialog.Spatial().OnEditChanged(CSpatialPage::Width, "150");
  profile_.writes.clear();
  const auto refusal = dialog.Accept(1);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->tab, SpatialTab);
  EXPECT_EQ(refusal->error.control, CSpatialPage::Width);
  EXPECT_TRUE(profile_.writes.empty());
}

std::vector<std::string> ExpectedOkWrites(int fileCount) {
  std::vector<std::string> names = {"LastPage"};
  for (int i = 0; i < fileCount; ++i) names.push_back("File" + std::to_string(i));
  names.push_back("NumOfFile");
  for (int i = 0; i < kSettingCount; ++i) {
    const auto id = static_cast<SettingId>(i);
    if (!IsDialogSetting(id)) continue;
    const std::string name = InfoOf(id).name;
    if (InfoOf(id).kind == SettingKind::Color) {
      for (const char* part : {"Red", "Green", "Blue"}) names.push_back(name + part);
    } else {
      names.push_back(name);
    }
  }
  return names;
}

TEST_F(ConfigDialogTest, OkWritesEveryValueInTableOrder) {
  CConfigDialog dialog = MakeDialog();
  dialog.AddFiles({"/g/a.sgf", "/g/b.sgf"});
  dialog.OnRandomAccess(false);
  dialog.Temporal().OnSliderMoved(1, 63);
  dialog.Spatial().OnEditChanged(CSpatialPage::Radius, "150");
  dialog.Others().OnClicked(2, true);
  profile_.writes.clear();
  ASSERT_FALSE(dialog.Accept(3));
  EXPECT_EQ(profile_.writes, ExpectedOkWrites(2));
  EXPECT_EQ(profile_.ReadInt("LastPage"), 3);
  EXPECT_EQ(profile_.ReadText("File1"), "/g/b.sgf");
  EXPECT_EQ(profile_.ReadInt("RandomAccess"), 0);
  EXPECT_EQ(profile_.ReadInt("CommentPageTime"), 63);
  EXPECT_EQ(profile_.ReadInt("StoneRadius"), 99);
  EXPECT_EQ(profile_.ReadInt("Numbering"), 1);
  EXPECT_EQ(profile_.ReadInt("BackColorGreen"), 170);
  EXPECT_FALSE(profile_.ReadInt("BeforeSplashDelay")) << "the blank-screen delays are never written";
}

TEST_F(ConfigDialogTest, OkWithAnEmptyListWritesACountOfZero) {
  profile_.WriteText("NumOfFile", "2");
  profile_.WriteText("File0", "/a");
  profile_.WriteText("File1", "/b");
  CConfigDialog dialog = MakeDialog();
  dialog.RemoveFiles({0, 1});
  profile_.writes.clear();
  ASSERT_FALSE(dialog.Accept(0));
  EXPECT_EQ(profile_.writes, ExpectedOkWrites(0));
  EXPECT_EQ(profile_.ReadInt("NumOfFile"), 0);
}

TEST_F(ConfigDialogTest, ThePreviewStartsWithTheDialogsSizes) {
  profile_.WriteText("StoneRadius", "150");
  profile_.WriteText("GridX", "-5");
  CConfigDialog dialog = MakeDialog();
  dialog.StartPreview();
  EXPECT_EQ(preview_.Last(StoneRadius), 99);
  EXPECT_EQ(preview_.Last(GridX), -5);
  EXPECT_EQ(preview_.Last(AssistantHeight), 38);
  EXPECT_EQ(preview_.Last(AssistantWidth), 19);
}

}  // namespace
}  // namespace tenukiro

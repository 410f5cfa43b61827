#include <gtest/gtest.h>
#include <iconv.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/random_source.h"
#include "fake_host.h"
#include "show/show_window.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

constexpr Color kGridBackground = Rgb(255, 170, 85);

class ShowGameInfoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tenukiro-info-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
    SeedRandom(5, true);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::unique_ptr<CShowWnd> MakeShow(const std::string& sgf) {
    const fs::path path = folder_ / "game.sgf";
    std::ofstream(path, std::ios::binary) << sgf;
    profile_.WriteInt("NumOfFile", 1);
    profile_.WriteText("File0", path.string());
    profile_.WriteInt("GridPosition", 0);
    host_ = std::make_unique<FakeHost>(Size{400, 300}, Size{400, 300});
    auto show = std::make_unique<CShowWnd>(profile_, *host_, folder_.string() + "/");
    show->OnCreate();
    show->OnPaint();
    return show;
  }

  int FirstGridRow() const {
    const Raster& r = host_->Surface();
    for (int y = 0; y < r.height(); ++y) {
      if (r.GetPixel(r.width() / 2, y) == kGridBackground) return y;
    }
    return -1;
  }

  fs::path folder_;
  MemoryProfile profile_;
  std::unique_ptr<FakeHost> host_;
};

TEST_F(ShowGameInfoTest, EachGameTreeBringsItsOwnLines) {
  auto show = MakeShow("(;SZ[9]PB[First]RE[B+R];B[aa])(;SZ[9]EV[Second];W[bb])");
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(show->GameInfo().Lines(), (Lines{"Black: First - White: ???", "Black wins by resign"}));
  show->OnTimer();  // B[aa]
  show->OnTimer();  // the second game's root
  EXPECT_EQ(show->GameInfo().Lines(), (Lines{"Second"}));
}

// Shift_JIS bytes of UTF-8 text, as a Japanese editor writes them.
std::string ShiftJis(std::string_view utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  std::string out(utf8.size() * 2, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* to = out.data();
  size_t toLeft = out.size();
  iconv(cd, &in, &inLeft, &to, &toLeft);
  iconv_close(cd);
  out.resize(out.size() - toLeft);
  return out;
}

TEST_F(ShowGameInfoTest, TheLinesAreReadInTheRecordsCharset) {
  auto show = MakeShow("(;CA[Shift_JIS]SZ[9]PB[" + ShiftJis("本因坊秀策") + "]BR[" + ShiftJis("七段") +
                       "];B[aa])(;SZ[9]PW[" + ShiftJis("名人") + "])");
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(show->GameInfo().Lines(), (Lines{"Black: 本因坊秀策 (七段) - White: ???"}));
  show->OnTimer();
  show->OnTimer();  // the second game has no CA of its own: it is in the charset the file was read in
  EXPECT_EQ(show->GameInfo().Lines(), (Lines{"Black: ??? - White: 名人"}));
}

TEST_F(ShowGameInfoTest, TheLayoutKeepsRoomForTheLines) {
  const std::string record = "(;SZ[9]EV[E]PB[B]RE[W+R])";
  MakeShow(record);
  const int without = FirstGridRow();
  profile_.WriteInt("Informations", 1);
  MakeShow(record);
  const int with = FirstGridRow();
  ASSERT_GE(without, 0);
  // Three lines of one pitch (24 pixels at R = 12) take half their height from each side.
  EXPECT_EQ(without - with, 3 * 24 / 2);
}

}  // namespace
}  // namespace tenukiro

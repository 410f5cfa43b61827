#include <gtest/gtest.h>

#include "render/screen_text_font.h"

namespace tenukiro {
namespace {

TEST(ScreenTextFont, IsSixQuartersOfTheRadiusLessOneAndAtLeastOnePixel) {
  struct Case {
    int rMinus1, height;
  };
  for (const Case c : {Case{-5, 1}, Case{0, 1}, Case{1, 1}, Case{2, 3}, Case{11, 16}, Case{98, 147}}) {
    EXPECT_EQ(ScreenTextHeight(c.rMinus1), c.height) << "R - 1 = " << c.rMinus1;
    EXPECT_EQ(ScreenTextFont(c.rMinus1).height(), c.height) << "R - 1 = " << c.rMinus1;
  }
  EXPECT_EQ(ScreenTextFontOfHeight(0).height(), 1);
}

}  // namespace
}  // namespace tenukiro

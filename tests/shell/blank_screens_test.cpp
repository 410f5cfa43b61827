#include <gtest/gtest.h>

#include <vector>

#include "shell/blank_screens.h"

namespace tenukiro {
namespace {

struct BlankCase {
  const char* name;
  std::vector<Rect> screens;
  Rect primary;
  std::vector<Rect> blanked;
};

TEST(BlankScreens, EveryOtherScreenOnceButNoneTheShowCovers) {
  const Rect left{0, 0, 1920, 1080}, right{1920, 0, 3200, 1024}, above{0, -900, 1600, 0};
  for (const BlankCase& c : {
           BlankCase{"one screen", {left}, left, {}},
           BlankCase{"two side by side", {left, right}, left, {right}},
           BlankCase{"the primary listed last", {right, above, left}, left, {right, above}},
           BlankCase{"a mirror of the primary", {left, left, right}, left, {right}},
           BlankCase{"a screen overlapping the primary", {left, Rect{1000, 0, 2920, 1080}}, left, {}},
           BlankCase{"a screen touching the primary's edge", {left, Rect{1919, 0, 3000, 1080}}, left, {}},
           BlankCase{"two mirrors of one other screen", {left, right, right}, left, {right}},
           BlankCase{"a screen of no area", {left, Rect{1920, 0, 1920, 1080}}, left, {}},
       }) {
    EXPECT_EQ(ScreensToBlank(c.screens, c.primary), c.blanked) << c.name;
  }
}

}  // namespace
}  // namespace tenukiro

#include <gtest/gtest.h>

#include <vector>

#include "shell/monitors.h"

namespace tenukiro {
namespace {

constexpr Rect kLeft{0, 0, 1920, 1080}, kRight{1920, 0, 3200, 1024}, kAbove{0, -900, 1600, 0};

struct ScaleCase {
  const char* name;
  Rect window;
  std::vector<Monitor> monitors;
  Size expected;
};

TEST(Monitors, AWindowOverMonitorsTakesTheirSizeAndAPreviewThePrimarys) {
  const Size fallback{640, 480};
  const std::vector<Monitor> pair = {{kLeft, true}, {kRight, false}};
  for (const ScaleCase& c : {
           ScaleCase{"the primary's window", kLeft, pair, {1920, 1080}},
           ScaleCase{"the other monitor's window", kRight, pair, {1280, 1024}},
           ScaleCase{"a root window over both", Rect{0, 0, 3200, 1080}, pair, {3200, 1080}},
           ScaleCase{"a window a little larger than one monitor", Rect{-5, -5, 1930, 1090}, pair, {1920, 1080}},
           ScaleCase{"a preview on the other monitor", Rect{2000, 100, 2320, 340}, pair, {1920, 1080}},
           ScaleCase{"a preview across the seam", Rect{1800, 0, 2100, 200}, pair, {1920, 1080}},
           ScaleCase{"a window just short of a monitor", Rect{1, 0, 1920, 1080}, pair, {1920, 1080}},
           ScaleCase{"the primary listed second", Rect{10, 10, 330, 250}, {{kRight, false}, {kLeft, true}}, {1920, 1080}},
           ScaleCase{"no monitor marked primary", Rect{10, 10, 330, 250}, {{kRight, false}, {kLeft, false}}, {1280, 1024}},
           ScaleCase{"mirrors of two sizes", kLeft, {{kLeft, true}, {Rect{0, 0, 1280, 1024}, false}}, {1920, 1080}},
           ScaleCase{"a window of no area", Rect{5, 5, 5, 5}, pair, {1920, 1080}},
           ScaleCase{"a monitor of no area is none", Rect{0, 0, 100, 100}, {{Rect{0, 0, 0, 0}, true}}, fallback},
           ScaleCase{"no monitors", kLeft, {}, fallback},
       }) {
    EXPECT_EQ(ScaleScreenFor(c.window, c.monitors, fallback), c.expected) << c.name;
  }
}

struct PlanCase {
  const char* name;
  std::vector<Monitor> monitors;
  std::vector<MonitorUse> alone, everywhere;  // without and with AllScreens
};

TEST(Monitors, ThePrimaryShowsAndTheOthersGoBlackOrShowOnceEach) {
  using enum MonitorUse;
  const Rect overlapping{1000, 0, 2920, 1080}, touching{1919, 0, 3000, 1080}, flat{1920, 0, 1920, 1080};
  for (const PlanCase& c : {
           PlanCase{"one monitor", {{kLeft, true}}, {Show}, {Show}},
           PlanCase{"two side by side", {{kLeft, true}, {kRight, false}}, {Show, Black}, {Show, Show}},
           PlanCase{"the primary listed last",
                    {{kRight, false}, {kAbove, false}, {kLeft, true}},
                    {Black, Black, Show},
                    {Show, Show, Show}},
           PlanCase{"a mirror of the primary",
                    {{kLeft, true}, {kLeft, false}, {kRight, false}},
                    {Show, Nothing, Black},
                    {Show, Nothing, Show}},
           PlanCase{"a monitor overlapping the primary", {{kLeft, true}, {overlapping, false}}, {Show, Nothing}, {Show, Nothing}},
           PlanCase{"a monitor touching the primary's edge", {{kLeft, true}, {touching, false}}, {Show, Nothing}, {Show, Nothing}},
           PlanCase{"two mirrors of one other monitor",
                    {{kLeft, true}, {kRight, false}, {kRight, false}},
                    {Show, Black, Nothing},
                    {Show, Show, Nothing}},
           PlanCase{"two others overlapping each other",
                    {{kLeft, true}, {kRight, false}, {Rect{2000, 0, 3000, 900}, false}},
                    {Show, Black, Black},
                    {Show, Show, Nothing}},
           PlanCase{"a monitor of no area", {{kLeft, true}, {flat, false}}, {Show, Nothing}, {Show, Nothing}},
           PlanCase{"none marked primary: the first", {{kRight, false}, {kLeft, false}}, {Show, Black}, {Show, Show}},
           PlanCase{"no monitors", {}, {}, {}},
       }) {
    EXPECT_EQ(PlanSaverMonitors(c.monitors, false), c.alone) << c.name;
    EXPECT_EQ(PlanSaverMonitors(c.monitors, true), c.everywhere) << c.name << " (on every monitor)";
  }
}

}  // namespace
}  // namespace tenukiro

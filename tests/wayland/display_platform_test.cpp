#include <gtest/gtest.h>

#include "shell/wayland/display_platform.h"

namespace tenukiro {
namespace {

struct PlatformCase {
  const char* forced;
  const char* waylandDisplay;
  bool answers;
  DisplayPlatform chosen;
  bool asked;   // whether the Wayland display was tried
  bool warned;
};

TEST(DisplayPlatform, ForcedOrByTheSession) {
  constexpr auto W = DisplayPlatform::Wayland, X = DisplayPlatform::X11;
  for (const PlatformCase& c : {
           PlatformCase{nullptr, "wayland-0", true, W, true, false},
           PlatformCase{nullptr, "wayland-0", false, X, true, false},
           PlatformCase{nullptr, nullptr, true, X, false, false},
           PlatformCase{nullptr, "", true, X, false, false},
           PlatformCase{"x11", "wayland-0", true, X, false, false},
           PlatformCase{"wayland", nullptr, false, W, false, false},
           PlatformCase{"wayland", "wayland-1", false, W, false, false},
           PlatformCase{"", "wayland-0", true, W, true, false},
           PlatformCase{"X11", "wayland-0", true, W, true, true},
           PlatformCase{"mir", nullptr, true, X, false, true},
       }) {
    bool asked = false;
    const DisplayPlatformChoice choice = ChooseDisplayPlatform(c.forced, c.waylandDisplay, [&] {
      asked = true;
      return c.answers;
    });
    const std::string label = std::string(c.forced ? c.forced : "(unset)") + " / " +
                              (c.waylandDisplay ? c.waylandDisplay : "(unset)");
    EXPECT_EQ(choice.platform, c.chosen) << label;
    EXPECT_EQ(asked, c.asked) << label;
    EXPECT_EQ(!choice.warning.empty(), c.warned) << label;
  }
}

TEST(DisplayPlatform, WarningNamesTheUnknownValue) {
  const auto choice = ChooseDisplayPlatform("wayland ", nullptr, [] { return false; });
  EXPECT_NE(choice.warning.find("'wayland '"), std::string::npos) << choice.warning;
  EXPECT_EQ(choice.warning.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace tenukiro

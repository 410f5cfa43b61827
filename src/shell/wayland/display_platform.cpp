#include "shell/wayland/display_platform.h"

#include <wayland-client.h>

#include <cstdlib>
#include <iostream>
#include <string_view>

namespace tenukiro {

DisplayPlatformChoice ChooseDisplayPlatform(const char* forced, const char* waylandDisplay,
                                            const std::function<bool()>& waylandAnswers) {
  DisplayPlatformChoice choice;
  const std::string_view name = forced ? forced : "";
  if (name == "wayland") {
    choice.platform = DisplayPlatform::Wayland;
    return choice;
  }
  if (name == "x11") return choice;
  if (!name.empty()) {
    choice.warning = "tenukiro: unknown TENUKIRO_PLATFORM '" + std::string(name) +
                     "' (wayland or x11); choosing by the session";
  }
  const bool named = waylandDisplay && *waylandDisplay;
  if (named && waylandAnswers()) choice.platform = DisplayPlatform::Wayland;
  return choice;
}

DisplayPlatform SessionDisplayPlatform() {
  const DisplayPlatformChoice choice =
      ChooseDisplayPlatform(std::getenv("TENUKIRO_PLATFORM"), std::getenv("WAYLAND_DISPLAY"), [] {
        wl_display* display = wl_display_connect(nullptr);
        if (!display) return false;
        wl_display_disconnect(display);
        return true;
      });
  if (!choice.warning.empty()) std::cerr << choice.warning << "\n";
  return choice.platform;
}

}  // namespace tenukiro

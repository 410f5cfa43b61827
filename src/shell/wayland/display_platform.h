#pragma once

#include <functional>
#include <string>

namespace tenukiro {

enum class DisplayPlatform { Wayland, X11 };

struct DisplayPlatformChoice {
  DisplayPlatform platform = DisplayPlatform::X11;
  std::string warning;  // one line for standard error, or empty
};

// Which windowing system the show windows use. `forced` is $TENUKIRO_PLATFORM ("wayland" or
// "x11"), `waylandDisplay` is $WAYLAND_DISPLAY; either may be null. Unforced, a session whose
// Wayland display is named and answers (`waylandAnswers`, asked only then) gets the Wayland
// host, any other the X11 one. An unknown forced name is reported and then ignored.
DisplayPlatformChoice ChooseDisplayPlatform(const char* forced, const char* waylandDisplay,
                                            const std::function<bool()>& waylandAnswers);

// The choice for this process, from its environment; the warning, if any, goes to stderr.
DisplayPlatform SessionDisplayPlatform();

}  // namespace tenukiro

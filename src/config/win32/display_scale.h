#pragma once

#include <windows.h>

namespace tenukiro {

// The program draws in device pixels on every monitor (its manifest says so); what it draws by
// hand with fixed sizes is measured at 96 dots per inch (100 %) and scaled to the monitor's.
constexpr int kBaseDpi = 96;

// The dots per inch of the monitor `window` is on: the window's own where the system tells it
// (Windows 10 from 1607 on), else the system's.
int WindowDpi(HWND window);

// `pixels` at 96 DPI in device pixels at `dpi`, rounded to the nearest.
constexpr int ScaledPixels(int pixels, int dpi) {
  const int scaled = pixels * dpi;
  return (scaled >= 0 ? scaled + kBaseDpi / 2 : scaled - kBaseDpi / 2) / kBaseDpi;
}

}  // namespace tenukiro

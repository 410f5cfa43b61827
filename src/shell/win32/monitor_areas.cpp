#include "shell/win32/monitor_areas.h"

namespace tenukiro {
namespace {

// Collects one monitor's rectangle, the primary one's at the front.
BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  auto& list = *reinterpret_cast<std::vector<RECT>*>(areas);
  if (info.dwFlags & MONITORINFOF_PRIMARY) {
    list.insert(list.begin(), info.rcMonitor);
  } else {
    list.push_back(info.rcMonitor);
  }
  return TRUE;
}

}  // namespace

std::vector<RECT> MonitorAreas() {
  std::vector<RECT> areas;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&areas));
  if (areas.empty()) areas.push_back(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
  return areas;
}

}  // namespace tenukiro

#include "shell/monitors.h"

#include <algorithm>

namespace tenukiro {
namespace {

bool Covers(const Rect& outer, const Rect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

Size SizeOf(const Rect& r) { return Size{static_cast<int>(r.Width()), static_cast<int>(r.Height())}; }

}  // namespace

const Monitor* PrimaryMonitor(std::span<const Monitor> monitors) {
  const Monitor* first = nullptr;
  for (const Monitor& monitor : monitors) {
    if (monitor.area.IsEmpty()) continue;
    if (monitor.primary) return &monitor;
    if (!first) first = &monitor;
  }
  return first;
}

Size ScaleScreenFor(const Rect& window, std::span<const Monitor> monitors, Size fallback) {
  bool coversAny = false;
  Rect around;
  for (const Monitor& monitor : monitors) {
    if (monitor.area.IsEmpty() || !Covers(window, monitor.area)) continue;
    around = coversAny ? Rect{std::min(around.left, monitor.area.left), std::min(around.top, monitor.area.top),
                              std::max(around.right, monitor.area.right), std::max(around.bottom, monitor.area.bottom)}
                       : monitor.area;
    coversAny = true;
  }
  if (coversAny) return SizeOf(around);
  const Monitor* primary = PrimaryMonitor(monitors);
  return primary ? SizeOf(primary->area) : fallback;
}

std::vector<MonitorUse> PlanSaverMonitors(std::span<const Monitor> monitors, bool allScreens) {
  std::vector<MonitorUse> uses(monitors.size(), MonitorUse::Nothing);
  const Monitor* primary = PrimaryMonitor(monitors);
  if (!primary) return uses;
  std::vector<Rect> shows{primary->area}, blacks;
  uses[static_cast<size_t>(primary - monitors.data())] = MonitorUse::Show;
  for (size_t i = 0; i < monitors.size(); ++i) {
    const Rect& area = monitors[i].area;
    if (&monitors[i] == primary || area.IsEmpty()) continue;
    const bool underAShow =
        std::any_of(shows.begin(), shows.end(), [&](const Rect& s) { return !Intersect(s, area).IsEmpty(); });
    if (underAShow || std::find(blacks.begin(), blacks.end(), area) != blacks.end()) continue;
    uses[i] = allScreens ? MonitorUse::Show : MonitorUse::Black;
    (allScreens ? shows : blacks).push_back(area);
  }
  return uses;
}

}  // namespace tenukiro

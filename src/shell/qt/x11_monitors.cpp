#include "shell/qt/x11_monitors.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace tenukiro {

std::vector<Monitor> X11Monitors(Display* display) {
  const Window root = DefaultRootWindow(display);
  std::vector<Monitor> monitors;
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (XRRQueryExtension(display, &eventBase, &errorBase) && XRRQueryVersion(display, &major, &minor) &&
      (major > 1 || (major == 1 && minor >= 5))) {
    int count = 0;
    XRRMonitorInfo* info = XRRGetMonitors(display, root, True, &count);
    for (int i = 0; info && i < count; ++i) {
      monitors.push_back(Monitor{RectAt(info[i].x, info[i].y, info[i].width, info[i].height), info[i].primary != 0});
    }
    if (info) XRRFreeMonitors(info);
  }
  if (monitors.empty()) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, root, &attributes)) {
      monitors.push_back(Monitor{RectAt(0, 0, attributes.width, attributes.height), true});
    }
  }
  return monitors;
}

Rect X11WindowArea(Display* display, unsigned long window) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) return Rect{};
  int x = 0, y = 0;
  Window child = 0;
  if (!XTranslateCoordinates(display, window, attributes.root, 0, 0, &x, &y, &child)) return Rect{};
  return RectAt(x, y, attributes.width, attributes.height);
}

}  // namespace tenukiro

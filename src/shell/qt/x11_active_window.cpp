#include "shell/qt/x11_active_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace tenukiro {

uint64_t ActiveX11Window() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 0;
  const Atom property = XInternAtom(display, "_NET_ACTIVE_WINDOW", True);
  uint64_t window = 0;
  if (property != None) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 1, False, XA_WINDOW,
                                          &type, &format, &count, &remaining, &data);
    if (status == Success && type == XA_WINDOW && format == 32 && count == 1 && data) {
      window = *reinterpret_cast<unsigned long*>(data);
    }
    if (data) XFree(data);
  }
  XCloseDisplay(display);
  return window;
}

}  // namespace tenukiro

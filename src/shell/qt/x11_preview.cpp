#include "shell/qt/x11_preview.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "settings/settings_record.h"

namespace tenukiro {
namespace {

volatile std::sig_atomic_t terminationRequested = 0;
bool hostWindowGone = false;

void OnTerminate(int) { terminationRequested = 1; }

// A vanished host window shows up as an error on our next request; it only means
// the preview is over.
int OnXError(Display*, XErrorEvent* error) {
  if (error->error_code == BadWindow || error->error_code == BadDrawable) hostWindowGone = true;
  return 0;
}

// One 32-bit image the size of the host window, in the server's byte order.
class WindowFrame {
 public:
  WindowFrame(Display* display, Window window) : display_(display), window_(window) {
    gc_ = XCreateGC(display_, window_, 0, nullptr);
  }
  ~WindowFrame() { XFreeGC(display_, gc_); }

  void Resize(int width, int height) {
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  }

  void Fill(Color colour) {
    const uint32_t pixel = (uint32_t{RedOf(colour)} << 16) | (uint32_t{GreenOf(colour)} << 8) | BlueOf(colour);
    std::fill(pixels_.begin(), pixels_.end(), pixel);
  }

  void Present(Visual* visual, int depth) {
    if (width_ <= 0 || height_ <= 0) return;
    XImage* image = XCreateImage(display_, visual, static_cast<unsigned>(depth), ZPixmap, 0,
                                 reinterpret_cast<char*>(pixels_.data()), static_cast<unsigned>(width_),
                                 static_cast<unsigned>(height_), 32, width_ * 4);
    if (!image) return;
    XPutImage(display_, window_, gc_, image, 0, 0, 0, 0, static_cast<unsigned>(width_),
              static_cast<unsigned>(height_));
    image->data = nullptr;  // the pixels stay ours
    XDestroyImage(image);
    XFlush(display_);
  }

 private:
  Display* display_;
  Window window_;
  GC gc_;
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};

}  // namespace

int RunX11Preview(Profile& profile, const PreviewTarget& target) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::cerr << "tenukiro: cannot open the X display\n";
    return 1;
  }
  XSetErrorHandler(OnXError);
  std::signal(SIGTERM, OnTerminate);
  std::signal(SIGINT, OnTerminate);

  const Window window = target.window ? static_cast<Window>(*target.window) : DefaultRootWindow(display);
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes) || hostWindowGone) {
    XCloseDisplay(display);
    return 0;
  }
  if (attributes.depth != 24 && attributes.depth != 32) {
    std::cerr << "tenukiro: cannot draw into a window of depth " << attributes.depth << "\n";
    XCloseDisplay(display);
    return 1;
  }
  XSelectInput(display, window, StructureNotifyMask | ExposureMask);

  const SettingsRecord settings = ReadShowSettings(profile);
  WindowFrame frame(display, window);
  frame.Resize(attributes.width, attributes.height);
  bool dirty = true;
  while (!terminationRequested && !hostWindowGone) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == DestroyNotify && event.xdestroywindow.window == window) hostWindowGone = true;
      if (event.type == ConfigureNotify && event.xconfigure.window == window) {
        frame.Resize(event.xconfigure.width, event.xconfigure.height);
        dirty = true;
      }
      if (event.type == Expose) dirty = true;
    }
    if (dirty && !hostWindowGone) {
      frame.Fill(static_cast<Color>(settings.Effective(ScreenBackgroundColor)));
      frame.Present(attributes.visual, attributes.depth);
      XSync(display, False);
      dirty = false;
    }
    pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
    poll(&descriptor, 1, 100);
  }
  XCloseDisplay(display);
  return 0;
}

}  // namespace tenukiro

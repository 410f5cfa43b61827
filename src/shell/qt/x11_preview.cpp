#include "shell/qt/x11_preview.h"

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <iostream>
#include <vector>

#include "shell/qt/x11_monitors.h"
#include "shell/start_trace.h"
#include "show/show_host.h"
#include "show/show_window.h"

// Xlib defines macros such as None and Status; it comes after our own headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

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

uint32_t MonotonicMs() {
  using namespace std::chrono;
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// The show's host inside a foreign window: the surface is mirrored into a 32-bit
// image in the server's layout and sent with XPutImage, one changed rectangle at a time.
class X11PreviewHost : public ShowHost {
 public:
  X11PreviewHost(Display* display, Window window, const XWindowAttributes& attributes, Size screen)
      : display_(display), window_(window), visual_(attributes.visual), depth_(attributes.depth), screen_(screen) {
    gc_ = XCreateGC(display_, window_, 0, nullptr);
    Resize(attributes.width, attributes.height);
  }
  ~X11PreviewHost() override { XFreeGC(display_, gc_); }

  void Resize(int width, int height) {
    surface_ = Raster(width, height);
    pixels_.assign(static_cast<size_t>(surface_.width()) * static_cast<size_t>(surface_.height()), 0);
  }

  Size ClientSize() const override { return Size{surface_.width(), surface_.height()}; }
  Size ScreenSize() const override { return screen_; }
  // The size the show is scaled against changed: true when it did.
  bool SetScreenSize(Size screen) {
    if (screen == screen_) return false;
    screen_ = screen;
    return true;
  }
  Raster& Surface() override { return surface_; }
  void ArmTimer(int intervalMs) override {
    interval_ = std::max(intervalMs, 1);
    deadline_ = MonotonicMs() + static_cast<uint32_t>(interval_);
  }
  uint32_t TickCount() const override { return MonotonicMs(); }

  void Present(const Rect& changed) override {
    const int left = std::max(changed.left, 0), top = std::max(changed.top, 0);
    const int right = std::min(changed.right, surface_.width()), bottom = std::min(changed.bottom, surface_.height());
    if (left >= right || top >= bottom) return;
    for (int y = top; y < bottom; ++y) {
      const uint8_t* row = surface_.Row(y);
      uint32_t* out = pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(surface_.width());
      for (int x = left; x < right; ++x) {
        const uint8_t* p = row + 3 * x;
        out[x] = (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
      }
    }
    XImage* image = XCreateImage(display_, visual_, static_cast<unsigned>(depth_), ZPixmap, 0,
                                 reinterpret_cast<char*>(pixels_.data()), static_cast<unsigned>(surface_.width()),
                                 static_cast<unsigned>(surface_.height()), 32, surface_.width() * 4);
    if (!image) return;
    XPutImage(display_, window_, gc_, image, left, top, left, top, static_cast<unsigned>(right - left),
              static_cast<unsigned>(bottom - top));
    image->data = nullptr;  // the pixels stay ours
    XDestroyImage(image);
    XFlush(display_);
    NoteFramePresented();
  }

  void PresentAll() { Present(Rect{0, 0, surface_.width(), surface_.height()}); }

  // Milliseconds until the timer is due, 0 when it is; -1 while it is not armed.
  int MsUntilTick() const {
    if (interval_ <= 0) return -1;
    const int32_t left = static_cast<int32_t>(deadline_ - MonotonicMs());
    return std::max(left, 0);
  }
  void TickDone() { deadline_ += static_cast<uint32_t>(interval_); }

 private:
  Display* display_;
  Window window_;
  GC gc_;
  Visual* visual_;
  int depth_;
  Size screen_;
  Raster surface_;
  std::vector<uint32_t> pixels_;
  int interval_ = 0;
  uint32_t deadline_ = 0;
};

// A window over a monitor is scaled against it (XScreenSaver gives each monitor its window),
// a small one against the primary monitor.
Size ScreenSizeFor(Display* display, Window window) {
  XWindowAttributes root;
  XGetWindowAttributes(display, DefaultRootWindow(display), &root);
  return ScaleScreenFor(X11WindowArea(display, window), X11Monitors(display), Size{root.width, root.height});
}

void HandleEvents(Display* display, Window window, X11PreviewHost& host, CShowWnd& show) {
  bool resized = false, exposed = false, moved = false;
  while (XPending(display)) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == DestroyNotify && event.xdestroywindow.window == window) hostWindowGone = true;
    if (event.type == ConfigureNotify && event.xconfigure.window == window) {
      moved = true;
      if (event.xconfigure.width != host.ClientSize().width || event.xconfigure.height != host.ClientSize().height) {
        host.Resize(event.xconfigure.width, event.xconfigure.height);
        resized = true;
      }
    }
    if (event.type == Expose) exposed = true;
  }
  if (hostWindowGone) return;
  if (moved && host.SetScreenSize(ScreenSizeFor(display, window))) resized = true;
  if (resized) {
    show.OnPaint();
  } else if (exposed) {
    host.PresentAll();
  }
}

}  // namespace

int RunX11Preview(const Profile& profile, const PreviewTarget& target, const std::string& programDirectory,
                  SphereImageRenderer* spheres) {
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

  {
    X11PreviewHost host(display, window, attributes, ScreenSizeFor(display, window));
    CShowWnd show(profile, host, programDirectory, spheres);
    show.OnCreate();
    show.OnPaint();
    while (!terminationRequested && !hostWindowGone) {
      HandleEvents(display, window, host, show);
      if (hostWindowGone) break;
      if (host.MsUntilTick() == 0) {
        show.OnTimer();
        host.TickDone();
      }
      pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
      poll(&descriptor, 1, std::min(host.MsUntilTick() < 0 ? 100 : host.MsUntilTick(), 100));
    }
  }
  XCloseDisplay(display);
  return 0;
}

}  // namespace tenukiro

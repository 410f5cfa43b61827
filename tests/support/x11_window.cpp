#include <X11/Xlib.h>

#include <cstdio>
#include <unistd.h>

// Stands for a screen saver daemon or a settings program: maps a plain window of the
// given geometry, as XScreenSaver does over each monitor, prints its id and waits to be
// killed. Usage: x11_window WIDTH HEIGHT X Y
int main(int argc, char** argv) {
  unsigned width = 0, height = 0;
  int x = 0, y = 0;
  if (argc != 5 || std::sscanf(argv[1], "%u", &width) != 1 || std::sscanf(argv[2], "%u", &height) != 1 ||
      std::sscanf(argv[3], "%d", &x) != 1 || std::sscanf(argv[4], "%d", &y) != 1 || width == 0 || height == 0) {
    std::fprintf(stderr, "usage: x11_window WIDTH HEIGHT X Y\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "x11_window: no display\n");
    return 1;
  }
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;  // where it is asked to be, with a window manager too
  attributes.background_pixel = BlackPixel(display, DefaultScreen(display));
  const Window window = XCreateWindow(display, DefaultRootWindow(display), x, y, width, height, 0, CopyFromParent,
                                      InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
  XMapRaised(display, window);
  XSync(display, False);
  std::printf("0x%lX\n", window);
  std::fflush(stdout);
  for (;;) pause();
}

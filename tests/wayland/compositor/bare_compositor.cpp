// A Wayland compositor that offers surfaces and shared memory but no shell of any kind, for the
// test of a session where the program can make no window. It prints its socket's name and
// serves until it is ended.
#include <wayland-server.h>

#include <cstdio>

namespace {

void BindCompositor(wl_client* client, void*, uint32_t version, uint32_t id) {
  // The program looks at the globals and leaves: no request ever reaches this object.
  wl_resource_create(client, &wl_compositor_interface, static_cast<int>(version), id);
}

}  // namespace

int main() {
  wl_display* display = wl_display_create();
  if (!display) return 1;
  const char* socket = wl_display_add_socket_auto(display);
  if (!socket) return 1;
  wl_global_create(display, &wl_compositor_interface, 4, nullptr, BindCompositor);
  wl_display_init_shm(display);
  std::printf("%s\n", socket);
  std::fflush(stdout);
  wl_display_run(display);
  wl_display_destroy(display);
  return 0;
}

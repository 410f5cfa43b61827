#include <gtest/gtest.h>

#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wayland-client.h>
#include <wayland-server.h>

#include <memory>
#include <string>

#include "shell/wayland/wayland_loop.h"
#include "shell/wayland/wayland_session.h"

namespace tenukiro {
namespace {

// A compositor in this process, joined to a client connection by a socket pair: the test
// dispatches it by hand.
class TestCompositor {
 public:
  TestCompositor() {
    server_ = wl_display_create();
    int fds[2];
    socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds);
    client_ = wl_client_create(server_, fds[0]);
    display_ = wl_display_connect_to_fd(fds[1]);
  }
  ~TestCompositor() {
    if (display_) wl_display_disconnect(display_);
    wl_display_destroy(server_);
  }
  wl_display* Server() const { return server_; }
  wl_display* Client() const { return display_; }
  void Serve() {
    wl_event_loop_dispatch(wl_display_get_event_loop(server_), 0);
    wl_display_flush_clients(server_);
  }
  void DropClient() {
    if (client_) wl_client_destroy(client_);
    client_ = nullptr;
  }

 private:
  wl_display* server_ = nullptr;
  wl_client* client_ = nullptr;
  wl_display* display_ = nullptr;
};

TEST(WaylandLoop, SigtermEndsTheLoopAndIsNotDeliveredAfterIt) {
  TestCompositor compositor;
  {
    const TerminationSignals signals;
    LoopHooks hooks;
    int sleeps = 0;
    hooks.beforeSleep = [&] {
      if (++sleeps == 2) kill(getpid(), SIGTERM);
      return 50;
    };
    EXPECT_EQ(RunWaylandLoop(compositor.Client(), signals, hooks), LoopEnd::Terminated);
    EXPECT_EQ(sleeps, 2);
  }
  // Were the signal still pending, giving the mask back would have ended this test program.
  sigset_t pending;
  sigpending(&pending);
  EXPECT_FALSE(sigismember(&pending, SIGTERM));
}

TEST(WaylandLoop, TheCompositorGoingAwayIsADisconnection) {
  TestCompositor compositor;
  const TerminationSignals signals;
  LoopHooks hooks;
  int sleeps = 0;
  hooks.beforeSleep = [&] {
    if (++sleeps == 3) compositor.DropClient();
    return sleeps > 10 ? -1 : 20;
  };
  EXPECT_EQ(RunWaylandLoop(compositor.Client(), signals, hooks), LoopEnd::Disconnected);
  EXPECT_EQ(sleeps, 3);
}

TEST(WaylandLoop, AWatchedDescriptorAndTheOwnersEnd) {
  TestCompositor compositor;
  const TerminationSignals signals;
  int pipeFds[2];
  ASSERT_EQ(pipe(pipeFds), 0);
  LoopHooks hooks;
  bool finished = false;
  int extras = 0;
  hooks.beforeSleep = [&] {
    if (extras == 0) {
      EXPECT_EQ(write(pipeFds[1], "x", 1), 1);
    }
    return 1000;
  };
  hooks.extraFd = [&] { return finished ? -1 : pipeFds[0]; };
  hooks.onExtra = [&] {
    char byte;
    EXPECT_EQ(read(pipeFds[0], &byte, 1), 1);
    ++extras;
    finished = true;
  };
  hooks.finished = [&] { return finished; };
  EXPECT_EQ(RunWaylandLoop(compositor.Client(), signals, hooks), LoopEnd::Finished);
  EXPECT_EQ(extras, 1);
  close(pipeFds[0]);
  close(pipeFds[1]);
}

// An output global that describes itself as a test sets it up.
struct OutputDescription {
  int32_t x, y, width, height, scale, transform;
};

void BindOutput(wl_client* client, void* data, uint32_t version, uint32_t id) {
  const auto* d = static_cast<const OutputDescription*>(data);
  wl_resource* resource = wl_resource_create(client, &wl_output_interface, static_cast<int>(version), id);
  wl_output_send_geometry(resource, d->x, d->y, 300, 200, WL_OUTPUT_SUBPIXEL_UNKNOWN, "make", "model", d->transform);
  wl_output_send_mode(resource, 0, 640, 480, 50000);  // another mode, not the current one
  wl_output_send_mode(resource, WL_OUTPUT_MODE_CURRENT, d->width, d->height, 60000);
  if (version >= 2) wl_output_send_scale(resource, d->scale);
  if (version >= 2) wl_output_send_done(resource);
}

TEST(WaylandSession, OutputsInTheirOrderWithModeScaleAndTurn) {
  const OutputDescription first{0, 0, 1920, 1080, 1, WL_OUTPUT_TRANSFORM_NORMAL};
  const OutputDescription second{1920, 0, 2560, 1440, 2, WL_OUTPUT_TRANSFORM_90};
  const OutputDescription third{-800, 0, 800, 600, 0, WL_OUTPUT_TRANSFORM_FLIPPED_180};
  wl_display* server = wl_display_create();
  int fds[2];
  ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds), 0);
  for (const OutputDescription* d : {&first, &second, &third}) {
    wl_global_create(server, &wl_output_interface, 3, const_cast<OutputDescription*>(d), BindOutput);
  }
  // The server answers from a child process, which the session's round trips wait on.
  const pid_t child = fork();
  if (child == 0) {
    close(fds[1]);
    wl_client_create(server, fds[0]);
    wl_display_run(server);
    _exit(0);
  }
  close(fds[0]);
  // The connection is handed over as libwayland's clients are given one by their parent.
  setenv("WAYLAND_SOCKET", std::to_string(fds[1]).c_str(), 1);
  {
    const std::unique_ptr<WaylandSession> session = WaylandSession::Connect();
    ASSERT_NE(session, nullptr);
    const auto& outputs = session->Outputs();
    ASSERT_EQ(outputs.size(), 3u);
    EXPECT_TRUE(outputs[0]->described);
    EXPECT_EQ(outputs[0]->mode, (Size{1920, 1080}));
    EXPECT_EQ(outputs[0]->scale, 1);
    // Turned a quarter: the picture is as high as the mode is wide.
    EXPECT_EQ(outputs[1]->mode, (Size{1440, 2560}));
    EXPECT_EQ(outputs[1]->scale, 2);
    EXPECT_EQ(outputs[1]->position, (Point{1920, 0}));
    // Turned a half: no swap; a scale below 1 is taken as 1.
    EXPECT_EQ(outputs[2]->mode, (Size{800, 600}));
    EXPECT_EQ(outputs[2]->scale, 1);
    EXPECT_EQ(outputs[2]->position, (Point{-800, 0}));
    // No shell, no seat: the host would say so.
    EXPECT_EQ(session->LayerShell(), nullptr);
    EXPECT_EQ(session->WmBase(), nullptr);
    EXPECT_EQ(session->FirstSeat(), nullptr);
  }
  unsetenv("WAYLAND_SOCKET");
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  wl_display_destroy(server);
}

}  // namespace
}  // namespace tenukiro

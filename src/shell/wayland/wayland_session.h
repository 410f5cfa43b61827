#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "render/geometry.h"

struct wl_compositor;
struct wl_display;
struct wl_keyboard;
struct wl_output;
struct wl_pointer;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct xdg_wm_base;
struct zwlr_layer_shell_v1;
struct ext_idle_notifier_v1;
struct org_kde_kwin_idle;

namespace tenukiro {

class WaylandSession;
struct WaylandSeat;

// A monitor as the compositor describes it.
struct WaylandOutput {
  uint32_t name = 0;  // the registry's name of the global
  wl_output* output = nullptr;
  Point position;     // in the compositor's logical space
  Size mode;          // the current mode in device pixels, as the output is turned
  int scale = 1;
  bool described = false;  // its first description is complete
  // What the description is made of as its events arrive.
  WaylandSession* session = nullptr;
  int32_t transform = 0;
  Size pendingMode;
};

// Input as the show needs it; coordinates are surface-local logical pixels.
class WaylandInput {
 public:
  virtual ~WaylandInput() = default;
  virtual void PointerEntered(wl_pointer* pointer, uint32_t serial, wl_surface* surface) = 0;
  virtual void PointerMoved(wl_surface* surface, double x, double y) = 0;
  virtual void ButtonPressed() = 0;
  // `key` is the evdev code (1 is Escape).
  virtual void KeyPressed(uint32_t key) = 0;
  // The keyboard focus moved to `surface`, or away from every surface of ours (null).
  virtual void KeyboardFocus(wl_surface* surface) = 0;
};

class WaylandOutputs {
 public:
  virtual ~WaylandOutputs() = default;
  // Once an output's description is complete, and again when it changes.
  virtual void OutputDescribed(WaylandOutput& output) = 0;
  // The output is going away; it is destroyed when this returns.
  virtual void OutputRemoved(WaylandOutput& output) = 0;
};



// The connection to the compositor and the globals the program uses. Outputs are kept in
// the order the compositor announced them.
class WaylandSession {
 public:
  // Connects to $WAYLAND_DISPLAY and reads the globals: null when no compositor answers.
  static std::unique_ptr<WaylandSession> Connect();
  ~WaylandSession();
  WaylandSession(const WaylandSession&) = delete;
  WaylandSession& operator=(const WaylandSession&) = delete;

  wl_display* Display() const { return display_; }
  wl_compositor* Compositor() const { return compositor_; }
  wl_shm* Shm() const { return shm_; }
  xdg_wm_base* WmBase() const { return wmBase_; }
  zwlr_layer_shell_v1* LayerShell() const { return layerShell_; }
  ext_idle_notifier_v1* IdleNotifier() const { return idleNotifier_; }
  org_kde_kwin_idle* KdeIdle() const { return kdeIdle_; }
  // The first seat announced, or null.
  wl_seat* FirstSeat() const;

  const std::vector<std::unique_ptr<WaylandOutput>>& Outputs() const { return outputs_; }
  void SetInput(WaylandInput* input) { input_ = input; }
  void SetOutputs(WaylandOutputs* outputs) { outputsListener_ = outputs; }

  // One round trip: false when the connection is lost.
  bool Roundtrip();

  // Registry and object events (the listeners' entry points).
  void GlobalAdded(uint32_t name, const char* interface, uint32_t version);
  void GlobalRemoved(uint32_t name);
  void OutputDone(WaylandOutput& output);
  void SeatCapabilities(WaylandSeat& seat, uint32_t capabilities);
  WaylandInput* Input() const { return input_; }

 private:
  explicit WaylandSession(wl_display* display);
  void ReleaseSeat(WaylandSeat& seat);

  wl_display* display_;
  wl_registry* registry_ = nullptr;
  wl_compositor* compositor_ = nullptr;
  wl_shm* shm_ = nullptr;
  xdg_wm_base* wmBase_ = nullptr;
  zwlr_layer_shell_v1* layerShell_ = nullptr;
  ext_idle_notifier_v1* idleNotifier_ = nullptr;
  org_kde_kwin_idle* kdeIdle_ = nullptr;
  std::vector<std::unique_ptr<WaylandOutput>> outputs_;
  std::vector<std::unique_ptr<WaylandSeat>> seats_;
  WaylandInput* input_ = nullptr;
  WaylandOutputs* outputsListener_ = nullptr;
};

// Milliseconds of the monotonic clock.
uint32_t MonotonicMs();

}  // namespace tenukiro

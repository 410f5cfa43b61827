#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "render/raster.h"
#include "render/sphere_image_renderer.h"
#include "settings/profile.h"
#include "shell/wayland/frame_pacer.h"
#include "shell/wayland/shm_buffer.h"
#include "shell/wayland/wayland_session.h"
#include "show/show_host.h"
#include "show/show_window.h"

struct wl_callback;
struct xdg_surface;
struct xdg_toplevel;
struct zwlr_layer_surface_v1;

namespace tenukiro {

class OutputSurface;

// What a surface tells whoever made it.
class SurfaceOwner {
 public:
  virtual ~SurfaceOwner() = default;
  // The compositor closed the surface (its output went) or asked the window to close.
  virtual void SurfaceClosed(OutputSurface& surface) = 0;
};

// One surface of the program: an overlay layer over a whole output, a toplevel made full
// screen on an output, or an ordinary window. It is black, or it carries a show, which it
// hosts: the show draws into a raster the size of the surface in device pixels, and the
// changed part goes to the compositor in shared-memory buffers, one frame at a time.
class OutputSurface : public ShowHost {
 public:
  enum class Kind { Overlay, FullScreenToplevel, Window };

  // `output` is where it shows (for a window: whose scale and screen size it takes). Every
  // overlay asks for the keyboard: a key on any of them ends the saver.
  OutputSurface(WaylandSession& session, WaylandOutput& output, Kind kind, SurfaceOwner& owner);
  ~OutputSurface() override;
  OutputSurface(const OutputSurface&) = delete;
  OutputSurface& operator=(const OutputSurface&) = delete;

  void StartShow(const Profile& profile, const std::string& programDirectory, SphereImageRenderer* spheres);
  void StopShow();
  bool Shows() const { return show_ != nullptr; }

  WaylandOutput& Output() const { return *output_; }
  // A window takes another output's scale and size when its own goes.
  void MoveTo(WaylandOutput& output) { output_ = &output; }
  wl_surface* WlSurface() const { return surface_; }
  int Scale() const { return scale_; }
  // The output's description changed (its scale, its mode).
  void OutputChanged();

  // Milliseconds until the show's timer is due, 0 when it is; -1 while it is not armed.
  int MsUntilTick() const;
  void Tick();
  // Sends what waits to be sent once a buffer is free again.
  void SendPending();

  // The compositor's events (the listeners' entry points).
  void LayerConfigured(uint32_t serial, int width, int height);
  void ToplevelSize(int width, int height) { pendingSize_ = Size{width, height}; }
  void XdgConfigured(uint32_t serial);
  void FrameShown();
  void Closed() { owner_.SurfaceClosed(*this); }

  Size ClientSize() const override { return Size{raster_.width(), raster_.height()}; }
  Size ScreenSize() const override;
  Raster& Surface() override { return raster_; }
  void ArmTimer(int intervalMs) override;
  void Present(const Rect& changed) override;
  uint32_t TickCount() const override { return MonotonicMs(); }

 private:
  // The surface has this size in logical pixels: buffers and raster follow, the show redraws.
  void Resize(Size logical);
  void SendFrame();
  void SendBlack();
  void Damage(const Rect& part);

  WaylandSession& session_;
  WaylandOutput* output_;
  Kind kind_;
  SurfaceOwner& owner_;
  wl_surface* surface_ = nullptr;
  zwlr_layer_surface_v1* layer_ = nullptr;
  xdg_surface* xdgSurface_ = nullptr;
  xdg_toplevel* toplevel_ = nullptr;
  wl_callback* frameCallback_ = nullptr;
  Size pendingSize_;
  Size logical_;
  int scale_ = 1;
  bool configured_ = false;

  std::vector<std::unique_ptr<ShmBuffer>> buffers_;
  FramePacer pacer_;
  Raster raster_;
  std::unique_ptr<CShowWnd> show_;
  bool showCreated_ = false;
  int interval_ = 0;
  uint32_t deadline_ = 0;
};

}  // namespace tenukiro

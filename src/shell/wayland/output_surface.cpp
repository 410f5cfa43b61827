#include "shell/wayland/output_surface.h"

#include <wayland-client.h>

#include <algorithm>

#include "shell/start_trace.h"
#include "shell/wayland/xrgb_copy.h"
// The layer shell's header names a parameter "namespace", which C++ reserves.
#define namespace namespace_
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace
#include "xdg-shell-client-protocol.h"

namespace tenukiro {
namespace {

OutputSurface* Of(void* data) { return static_cast<OutputSurface*>(data); }

void OnLayerConfigure(void* data, zwlr_layer_surface_v1*, uint32_t serial, uint32_t width, uint32_t height) {
  Of(data)->LayerConfigured(serial, static_cast<int>(std::min(width, 16384u)), static_cast<int>(std::min(height, 16384u)));
}
void OnLayerClosed(void* data, zwlr_layer_surface_v1*) { Of(data)->Closed(); }
constexpr zwlr_layer_surface_v1_listener kLayerListener = {OnLayerConfigure, OnLayerClosed};

void OnXdgConfigure(void* data, xdg_surface*, uint32_t serial) { Of(data)->XdgConfigured(serial); }
constexpr xdg_surface_listener kXdgSurfaceListener = {OnXdgConfigure};

void OnToplevelConfigure(void* data, xdg_toplevel*, int32_t width, int32_t height, wl_array*) {
  Of(data)->ToplevelSize(std::clamp(width, 0, 16384), std::clamp(height, 0, 16384));
}
void OnToplevelClose(void* data, xdg_toplevel*) { Of(data)->Closed(); }
// Bound at version 1: the later events (bounds, capabilities) never come.
constexpr xdg_toplevel_listener kToplevelListener = {OnToplevelConfigure, OnToplevelClose, nullptr, nullptr};

void OnFrameDone(void* data, wl_callback*, uint32_t) { Of(data)->FrameShown(); }
constexpr wl_callback_listener kFrameListener = {OnFrameDone};

// An ordinary window's first size, in logical pixels.
constexpr Size kWindowSize{1024, 768};

}  // namespace

OutputSurface::OutputSurface(WaylandSession& session, WaylandOutput& output, Kind kind, SurfaceOwner& owner)
    : session_(session), output_(&output), kind_(kind), owner_(owner), scale_(output.scale) {
  surface_ = wl_compositor_create_surface(session_.Compositor());
  if (kind_ == Kind::Overlay) {
    layer_ = zwlr_layer_shell_v1_get_layer_surface(session_.LayerShell(), surface_, output_->output,
                                                   ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "tenukiro");
    zwlr_layer_surface_v1_add_listener(layer_, &kLayerListener, this);
    zwlr_layer_surface_v1_set_anchor(layer_, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                                                 ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    // Over panels too: nothing moves it aside.
    zwlr_layer_surface_v1_set_exclusive_zone(layer_, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(layer_, 1);
  } else {
    xdgSurface_ = xdg_wm_base_get_xdg_surface(session_.WmBase(), surface_);
    xdg_surface_add_listener(xdgSurface_, &kXdgSurfaceListener, this);
    toplevel_ = xdg_surface_get_toplevel(xdgSurface_);
    xdg_toplevel_add_listener(toplevel_, &kToplevelListener, this);
    xdg_toplevel_set_title(toplevel_, "Tenukiro");
    xdg_toplevel_set_app_id(toplevel_, "tenukiro");
    if (kind_ == Kind::FullScreenToplevel) xdg_toplevel_set_fullscreen(toplevel_, output_->output);
  }
  // The first commit has no buffer: it asks for the first configure.
  wl_surface_commit(surface_);
}

OutputSurface::~OutputSurface() {
  show_.reset();
  if (frameCallback_) wl_callback_destroy(frameCallback_);
  if (layer_) zwlr_layer_surface_v1_destroy(layer_);
  if (toplevel_) xdg_toplevel_destroy(toplevel_);
  if (xdgSurface_) xdg_surface_destroy(xdgSurface_);
  wl_surface_destroy(surface_);
  buffers_.clear();
}

void OutputSurface::StartShow(const Profile& profile, const std::string& programDirectory,
                              SphereImageRenderer* spheres) {
  if (show_) return;
  show_ = std::make_unique<CShowWnd>(profile, *this, programDirectory, spheres);
  showCreated_ = false;
  // A show needs its own pixels and a second buffer to draw while the compositor reads one.
  buffers_.clear();
  if (configured_) Resize(logical_);
}

void OutputSurface::StopShow() {
  if (!show_) return;
  show_.reset();
  interval_ = 0;
  raster_ = Raster();
  pacer_ = FramePacer();
  buffers_.clear();
  if (configured_) Resize(logical_);
}

void OutputSurface::OutputChanged() {
  if (kind_ == Kind::Window || output_->scale == scale_) return;
  scale_ = output_->scale;
  if (configured_) Resize(logical_);
}

Size OutputSurface::ScreenSize() const {
  if (kind_ != Kind::Window && configured_) return ClientSize();
  return output_->mode.width > 0 && output_->mode.height > 0 ? output_->mode : ClientSize();
}

void OutputSurface::LayerConfigured(uint32_t serial, int width, int height) {
  zwlr_layer_surface_v1_ack_configure(layer_, serial);
  pendingSize_ = Size{width, height};
  XdgConfigured(0);
}

void OutputSurface::XdgConfigured(uint32_t serial) {
  if (xdgSurface_) xdg_surface_ack_configure(xdgSurface_, serial);
  Size size = pendingSize_;
  if (size.width <= 0 || size.height <= 0) {
    // The compositor leaves the size to us: the output's, or a window's first size.
    const Size mode = output_->mode;
    size = kind_ == Kind::Window || mode.width <= 0 ? (logical_.width > 0 ? logical_ : kWindowSize)
                                                    : Size{mode.width / scale_, mode.height / scale_};
  }
  configured_ = true;
  if (size == logical_ && !buffers_.empty()) {
    wl_surface_commit(surface_);  // answers the configure
    return;
  }
  Resize(size);
}

void OutputSurface::Resize(Size logical) {
  logical_ = logical;
  const Size device{logical.width * scale_, logical.height * scale_};
  buffers_.clear();
  if (wl_surface_get_version(surface_) >= 3) wl_surface_set_buffer_scale(surface_, scale_);
  if (!show_) {
    SendBlack();
    return;
  }
  for (int i = 0; i < 2; ++i) {
    if (auto buffer = ShmBuffer::Create(session_.Shm(), device)) buffers_.push_back(std::move(buffer));
  }
  raster_ = Raster(device.width, device.height);
  if (!showCreated_) {
    showCreated_ = true;
    show_->OnCreate();
  }
  // The whole picture again, which also sends the first frame.
  show_->OnPaint();
}

void OutputSurface::SendBlack() {
  // A new buffer is black already; it is sent once.
  auto buffer = ShmBuffer::Create(session_.Shm(), Size{logical_.width * scale_, logical_.height * scale_});
  if (!buffer) return;
  wl_surface_attach(surface_, buffer->Buffer(), 0, 0);
  Damage(Rect{0, 0, INT32_MAX, INT32_MAX});
  wl_surface_commit(surface_);
  buffers_.push_back(std::move(buffer));
}

void OutputSurface::Damage(const Rect& part) {
  const auto width = static_cast<int32_t>(std::min<long long>(part.Width(), INT32_MAX));
  const auto height = static_cast<int32_t>(std::min<long long>(part.Height(), INT32_MAX));
  // Older compositors take damage in surface coordinates only: the whole surface then.
  if (wl_surface_get_version(surface_) >= 4) wl_surface_damage_buffer(surface_, part.left, part.top, width, height);
  else wl_surface_damage(surface_, 0, 0, INT32_MAX, INT32_MAX);
}

void OutputSurface::ArmTimer(int intervalMs) {
  interval_ = std::max(intervalMs, 1);
  deadline_ = MonotonicMs() + static_cast<uint32_t>(interval_);
}

int OutputSurface::MsUntilTick() const {
  if (!show_ || interval_ <= 0) return -1;
  return std::max(static_cast<int32_t>(deadline_ - MonotonicMs()), 0);
}

void OutputSurface::Tick() {
  // A show that fell behind (the process was stopped) goes on from now rather than catching up.
  const uint32_t now = MonotonicMs();
  deadline_ += static_cast<uint32_t>(interval_);
  if (static_cast<int32_t>(deadline_ - now) < 0) deadline_ = now + static_cast<uint32_t>(interval_);
  show_->OnTimer();
}

void OutputSurface::Present(const Rect& changed) {
  if (pacer_.Changed(Intersect(changed, raster_.Bounds()))) SendFrame();
}

void OutputSurface::FrameShown() {
  wl_callback_destroy(frameCallback_);
  frameCallback_ = nullptr;
  if (pacer_.FrameShown()) SendFrame();
}

void OutputSurface::SendPending() {
  if (show_ && configured_ && !pacer_.FrameOnItsWay() && pacer_.HasChanges()) SendFrame();
}

void OutputSurface::SendFrame() {
  const auto free = std::find_if(buffers_.begin(), buffers_.end(), [](const auto& b) { return !b->busy; });
  if (free == buffers_.end() || raster_.empty()) return;  // sent when a buffer comes back
  const Rect changes = pacer_.TakeChanges();
  for (const auto& buffer : buffers_) buffer->stale = Union(buffer->stale, changes);
  ShmBuffer& buffer = **free;
  CopyToXrgb(raster_, buffer.stale, buffer.Pixels(), buffer.Stride());
  buffer.stale = Rect{};
  buffer.busy = true;
  wl_surface_attach(surface_, buffer.Buffer(), 0, 0);
  Damage(changes);
  if (frameCallback_) wl_callback_destroy(frameCallback_);  // one of a show that has gone
  frameCallback_ = wl_surface_frame(surface_);
  wl_callback_add_listener(frameCallback_, &kFrameListener, this);
  wl_surface_commit(surface_);
  NoteFramePresented(this);
}

}  // namespace tenukiro

#include "shell/wayland/wayland_session.h"

#include <unistd.h>
#include <wayland-client.h>

#include <algorithm>
#include <chrono>
#include <cstring>

#include "ext-idle-notify-v1-client-protocol.h"
#include "kde-idle-client-protocol.h"
// The layer shell's header names a parameter "namespace", which C++ reserves.
#define namespace namespace_
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace
#include "xdg-shell-client-protocol.h"

namespace tenukiro {

struct WaylandSeat {
  WaylandSession* session = nullptr;
  uint32_t name = 0;
  wl_seat* seat = nullptr;
  wl_keyboard* keyboard = nullptr;
  wl_pointer* pointer = nullptr;
  wl_surface* pointerSurface = nullptr;
};

uint32_t MonotonicMs() {
  using namespace std::chrono;
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

namespace {

// The versions this program speaks (a compositor offering less gets what it offers).
constexpr uint32_t kCompositorVersion = 4;  // damage_buffer
constexpr uint32_t kOutputVersion = 3;      // done, scale, release
constexpr uint32_t kSeatVersion = 4;        // release; no pointer frames
constexpr uint32_t kLayerShellVersion = 2;

template <typename Interface>
Interface* Bind(wl_registry* registry, uint32_t name, const wl_interface* interface, uint32_t offered,
                uint32_t wanted) {
  return static_cast<Interface*>(wl_registry_bind(registry, name, interface, std::min(offered, wanted)));
}

void OnGlobal(void* data, wl_registry*, uint32_t name, const char* interface, uint32_t version) {
  static_cast<WaylandSession*>(data)->GlobalAdded(name, interface, version);
}
void OnGlobalRemove(void* data, wl_registry*, uint32_t name) { static_cast<WaylandSession*>(data)->GlobalRemoved(name); }
constexpr wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

void OnPing(void*, xdg_wm_base* base, uint32_t serial) { xdg_wm_base_pong(base, serial); }
constexpr xdg_wm_base_listener kWmBaseListener = {OnPing};

bool TurnedSideways(int32_t transform) { return transform % 2 == 1; }  // 90 or 270 degrees, flipped or not

void OnGeometry(void* data, wl_output*, int32_t x, int32_t y, int32_t, int32_t, int32_t, const char*, const char*,
                int32_t transform) {
  auto* output = static_cast<WaylandOutput*>(data);
  output->position = Point{x, y};
  output->transform = transform;
}
void OnMode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t) {
  if (flags & WL_OUTPUT_MODE_CURRENT) static_cast<WaylandOutput*>(data)->pendingMode = Size{width, height};
}
void OnDone(void* data, wl_output*) {
  auto* output = static_cast<WaylandOutput*>(data);
  const Size mode = output->pendingMode;
  output->mode = TurnedSideways(output->transform) ? Size{mode.height, mode.width} : mode;
  output->session->OutputDone(*output);
}
void OnScale(void* data, wl_output*, int32_t factor) { static_cast<WaylandOutput*>(data)->scale = std::max(factor, 1); }
// Bound at version 3 at most: names and descriptions never come.
constexpr wl_output_listener kOutputListener = {OnGeometry, OnMode, OnDone, OnScale, nullptr, nullptr};

// Pointer and keyboard events, forwarded to whoever takes the input.
WaylandInput* InputOf(void* data) { return static_cast<WaylandSeat*>(data)->session->Input(); }

void OnPointerEnter(void* data, wl_pointer* pointer, uint32_t serial, wl_surface* surface, wl_fixed_t x, wl_fixed_t y) {
  static_cast<WaylandSeat*>(data)->pointerSurface = surface;
  if (WaylandInput* input = InputOf(data)) {
    input->PointerEntered(pointer, serial, surface);
    input->PointerMoved(surface, wl_fixed_to_double(x), wl_fixed_to_double(y));
  }
}
void OnPointerLeave(void* data, wl_pointer*, uint32_t, wl_surface*) {
  static_cast<WaylandSeat*>(data)->pointerSurface = nullptr;
}
void OnPointerMotion(void* data, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y) {
  auto* seat = static_cast<WaylandSeat*>(data);
  WaylandInput* input = InputOf(data);
  if (input && seat->pointerSurface) input->PointerMoved(seat->pointerSurface, wl_fixed_to_double(x), wl_fixed_to_double(y));
}
void OnPointerButton(void* data, wl_pointer*, uint32_t, uint32_t, uint32_t, uint32_t state) {
  WaylandInput* input = InputOf(data);
  if (input && state == WL_POINTER_BUTTON_STATE_PRESSED) input->ButtonPressed();
}
void OnPointerAxis(void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {}
constexpr wl_pointer_listener kPointerListener = {OnPointerEnter, OnPointerLeave, OnPointerMotion, OnPointerButton,
                                                  OnPointerAxis, nullptr, nullptr, nullptr, nullptr, nullptr};

void OnKeymap(void*, wl_keyboard*, uint32_t, int32_t fd, uint32_t) { close(fd); }  // keys are read as evdev codes
void OnKeyboardEnter(void* data, wl_keyboard*, uint32_t, wl_surface* surface, wl_array*) {
  if (WaylandInput* input = InputOf(data)) input->KeyboardFocus(surface);
}
void OnKeyboardLeave(void* data, wl_keyboard*, uint32_t, wl_surface*) {
  if (WaylandInput* input = InputOf(data)) input->KeyboardFocus(nullptr);
}
void OnKey(void* data, wl_keyboard*, uint32_t, uint32_t, uint32_t key, uint32_t state) {
  WaylandInput* input = InputOf(data);
  if (input && state == WL_KEYBOARD_KEY_STATE_PRESSED) input->KeyPressed(key);
}
void OnModifiers(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {}
void OnRepeatInfo(void*, wl_keyboard*, int32_t, int32_t) {}
constexpr wl_keyboard_listener kKeyboardListener = {OnKeymap, OnKeyboardEnter, OnKeyboardLeave, OnKey, OnModifiers,
                                                    OnRepeatInfo};

void OnSeatCapabilities(void* data, wl_seat*, uint32_t capabilities) {
  auto* seat = static_cast<WaylandSeat*>(data);
  seat->session->SeatCapabilities(*seat, capabilities);
}
void OnSeatName(void*, wl_seat*, const char*) {}
constexpr wl_seat_listener kSeatListener = {OnSeatCapabilities, OnSeatName};

void ReleasePointer(wl_pointer* pointer) {
  if (wl_pointer_get_version(pointer) >= 3) wl_pointer_release(pointer);
  else wl_pointer_destroy(pointer);
}
void ReleaseKeyboard(wl_keyboard* keyboard) {
  if (wl_keyboard_get_version(keyboard) >= 3) wl_keyboard_release(keyboard);
  else wl_keyboard_destroy(keyboard);
}
void ReleaseOutput(wl_output* output) {
  if (wl_output_get_version(output) >= 3) wl_output_release(output);
  else wl_output_destroy(output);
}

}  // namespace

std::unique_ptr<WaylandSession> WaylandSession::Connect() {
  wl_display* display = wl_display_connect(nullptr);
  if (!display) return nullptr;
  std::unique_ptr<WaylandSession> session(new WaylandSession(display));
  // The first round trip announces the globals, the second describes the outputs and seats.
  if (!session->Roundtrip() || !session->Roundtrip()) return nullptr;
  return session;
}

WaylandSession::WaylandSession(wl_display* display) : display_(display) {
  registry_ = wl_display_get_registry(display_);
  wl_registry_add_listener(registry_, &kRegistryListener, this);
}

WaylandSession::~WaylandSession() {
  for (auto& seat : seats_) ReleaseSeat(*seat);
  for (auto& output : outputs_) ReleaseOutput(output->output);
  if (idleNotifier_) ext_idle_notifier_v1_destroy(idleNotifier_);
  if (kdeIdle_) org_kde_kwin_idle_destroy(kdeIdle_);
  if (layerShell_) zwlr_layer_shell_v1_destroy(layerShell_);
  if (wmBase_) xdg_wm_base_destroy(wmBase_);
  if (shm_) wl_shm_destroy(shm_);
  if (compositor_) wl_compositor_destroy(compositor_);
  wl_registry_destroy(registry_);
  wl_display_disconnect(display_);
}

wl_seat* WaylandSession::FirstSeat() const { return seats_.empty() ? nullptr : seats_.front()->seat; }

bool WaylandSession::Roundtrip() { return wl_display_roundtrip(display_) >= 0; }

void WaylandSession::GlobalAdded(uint32_t name, const char* interface, uint32_t version) {
  const auto is = [interface](const wl_interface& known) { return std::strcmp(interface, known.name) == 0; };
  if (is(wl_compositor_interface) && !compositor_) {
    compositor_ = Bind<wl_compositor>(registry_, name, &wl_compositor_interface, version, kCompositorVersion);
  } else if (is(wl_shm_interface) && !shm_) {
    shm_ = Bind<wl_shm>(registry_, name, &wl_shm_interface, version, 1);
  } else if (is(xdg_wm_base_interface) && !wmBase_) {
    wmBase_ = Bind<xdg_wm_base>(registry_, name, &xdg_wm_base_interface, version, 1);
    xdg_wm_base_add_listener(wmBase_, &kWmBaseListener, nullptr);
  } else if (is(zwlr_layer_shell_v1_interface) && !layerShell_) {
    layerShell_ = Bind<zwlr_layer_shell_v1>(registry_, name, &zwlr_layer_shell_v1_interface, version, kLayerShellVersion);
  } else if (is(ext_idle_notifier_v1_interface) && !idleNotifier_) {
    idleNotifier_ = Bind<ext_idle_notifier_v1>(registry_, name, &ext_idle_notifier_v1_interface, version, 1);
  } else if (is(org_kde_kwin_idle_interface) && !kdeIdle_) {
    kdeIdle_ = Bind<org_kde_kwin_idle>(registry_, name, &org_kde_kwin_idle_interface, version, 1);
  } else if (is(wl_output_interface) && version >= 2) {
    auto output = std::make_unique<WaylandOutput>();
    output->name = name;
    output->session = this;
    output->output = Bind<wl_output>(registry_, name, &wl_output_interface, version, kOutputVersion);
    wl_output_add_listener(output->output, &kOutputListener, output.get());
    outputs_.push_back(std::move(output));
  } else if (is(wl_seat_interface)) {
    auto seat = std::make_unique<WaylandSeat>();
    seat->session = this;
    seat->name = name;
    seat->seat = Bind<wl_seat>(registry_, name, &wl_seat_interface, version, kSeatVersion);
    wl_seat_add_listener(seat->seat, &kSeatListener, seat.get());
    seats_.push_back(std::move(seat));
  }
}

void WaylandSession::GlobalRemoved(uint32_t name) {
  const auto output = std::find_if(outputs_.begin(), outputs_.end(), [name](const auto& o) { return o->name == name; });
  if (output != outputs_.end()) {
    if (outputsListener_ && (*output)->described) outputsListener_->OutputRemoved(**output);
    ReleaseOutput((*output)->output);
    outputs_.erase(output);
    return;
  }
  const auto seat = std::find_if(seats_.begin(), seats_.end(), [name](const auto& s) { return s->name == name; });
  if (seat != seats_.end()) {
    ReleaseSeat(**seat);
    seats_.erase(seat);
  }
}

void WaylandSession::OutputDone(WaylandOutput& output) {
  output.described = true;
  if (outputsListener_) outputsListener_->OutputDescribed(output);
}

void WaylandSession::SeatCapabilities(WaylandSeat& seat, uint32_t capabilities) {
  const bool pointer = capabilities & WL_SEAT_CAPABILITY_POINTER;
  const bool keyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
  if (pointer && !seat.pointer) {
    seat.pointer = wl_seat_get_pointer(seat.seat);
    wl_pointer_add_listener(seat.pointer, &kPointerListener, &seat);
  } else if (!pointer && seat.pointer) {
    ReleasePointer(seat.pointer);
    seat.pointer = nullptr;
    seat.pointerSurface = nullptr;
  }
  if (keyboard && !seat.keyboard) {
    seat.keyboard = wl_seat_get_keyboard(seat.seat);
    wl_keyboard_add_listener(seat.keyboard, &kKeyboardListener, &seat);
  } else if (!keyboard && seat.keyboard) {
    ReleaseKeyboard(seat.keyboard);
    seat.keyboard = nullptr;
  }
}

void WaylandSession::ReleaseSeat(WaylandSeat& seat) {
  if (seat.pointer) ReleasePointer(seat.pointer);
  if (seat.keyboard) ReleaseKeyboard(seat.keyboard);
  if (wl_seat_get_version(seat.seat) >= 5) wl_seat_release(seat.seat);
  else wl_seat_destroy(seat.seat);
}

}  // namespace tenukiro

#include "shell/wayland/wayland_show.h"

#include <wayland-client.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <vector>

#include "settings/other_values.h"
#include "shell/saver_close_rules.h"
#include "shell/wayland/output_surface.h"
#include "shell/wayland/show_outputs.h"
#include "shell/wayland/wayland_loop.h"
#include "shell/wayland/wayland_session.h"

namespace tenukiro {
namespace {

constexpr uint32_t kEscapeKey = 1;  // evdev's KEY_ESC

// The show's surfaces on the session: one per output for the saver, or one window. It takes
// the input for the saver's close rules and follows outputs as they come and go.
class WaylandShowRun : public WaylandInput, public WaylandOutputs, public SurfaceOwner {
 public:
  WaylandShowRun(WaylandSession& session, const Profile& profile, WaylandShowKind kind,
                 const std::string& programDirectory, SphereImageRenderer* spheres)
      : session_(session), profile_(profile), kind_(kind), programDirectory_(programDirectory), spheres_(spheres),
        closeRules_(ReadMouseThreshold(profile), ReadPasswordDelay(profile), MonotonicMs()),
        allScreens_(profile.ReadInt("AllScreens", 0) != 0) {}

  // Returns the exit status.
  int Run();

  void PointerEntered(wl_pointer* pointer, uint32_t serial, wl_surface* surface) override;
  void PointerMoved(wl_surface* surface, double x, double y) override;
  void ButtonPressed() override;
  void KeyPressed(uint32_t key) override;
  void KeyboardFocus(wl_surface* surface) override;
  void OutputDescribed(WaylandOutput& output) override;
  void OutputRemoved(WaylandOutput& output) override;
  void SurfaceClosed(OutputSurface& surface) override;

 private:
  bool Saver() const { return kind_ == WaylandShowKind::Saver; }
  OutputSurface* SurfaceOf(wl_surface* surface) const;
  OutputSurface* SurfaceOn(const WaylandOutput& output) const;
  void AddSurface(WaylandOutput& output);
  // Starts and stops shows so that the right outputs carry one.
  void AssignShows();
  int MsUntilNextTick() const;
  void AfterEvents();

  const TerminationSignals signals_;  // first: before the show makes any thread
  WaylandSession& session_;
  const Profile& profile_;
  WaylandShowKind kind_;
  std::string programDirectory_;
  SphereImageRenderer* spheres_;
  SaverCloseRules closeRules_;
  bool allScreens_;
  OutputSurface::Kind surfaceKind_ = OutputSurface::Kind::Overlay;
  // In the order the compositor announced their outputs.
  std::vector<std::unique_ptr<OutputSurface>> surfaces_;
  std::vector<OutputSurface*> closed_;
  // Where a window takes its scale from while no output is known.
  WaylandOutput noOutput_;
  Point lastPointer_;
  bool focused_ = false;
  bool hadFocus_ = false;
  bool closeRequested_ = false;
  bool finished_ = false;
};

int WaylandShowRun::Run() {
  if (!session_.Compositor() || !session_.Shm()) {
    std::cerr << "tenukiro: the Wayland compositor offers no shared-memory surfaces\n";
    return 1;
  }
  if (Saver() && session_.LayerShell()) {
    surfaceKind_ = OutputSurface::Kind::Overlay;
  } else if (session_.WmBase()) {
    surfaceKind_ = Saver() ? OutputSurface::Kind::FullScreenToplevel : OutputSurface::Kind::Window;
  } else {
    std::cerr << "tenukiro: the Wayland compositor offers neither layer-shell nor xdg-shell surfaces\n";
    return 1;
  }
  session_.SetInput(this);
  session_.SetOutputs(this);
  for (const auto& output : session_.Outputs()) {
    if (output->described) OutputDescribed(*output);
  }
  if (!Saver() && surfaces_.empty()) AddSurface(noOutput_);

  LoopHooks hooks;
  hooks.beforeSleep = [this] {
    AfterEvents();
    for (const auto& surface : surfaces_) {
      while (surface->MsUntilTick() == 0) surface->Tick();
      surface->SendPending();
    }
    AfterEvents();
    return MsUntilNextTick();
  };
  hooks.finished = [this] { return finished_; };
  const LoopEnd end = RunWaylandLoop(session_.Display(), signals_, hooks);
  session_.SetInput(nullptr);
  session_.SetOutputs(nullptr);
  surfaces_.clear();
  return end == LoopEnd::Failed ? 1 : 0;
}

int WaylandShowRun::MsUntilNextTick() const {
  int wait = -1;
  for (const auto& surface : surfaces_) {
    const int due = surface->MsUntilTick();
    if (due >= 0 && (wait < 0 || due < wait)) wait = due;
  }
  return wait;
}

void WaylandShowRun::AfterEvents() {
  if (!closed_.empty()) {
    std::erase_if(surfaces_, [this](const auto& s) { return std::ranges::find(closed_, s.get()) != closed_.end(); });
    closed_.clear();
    if (Saver()) AssignShows();
  }
  if (Saver() && hadFocus_ && !focused_ && closeRules_.OnDeactivate()) {
    hadFocus_ = false;
    closeRequested_ = true;
  }
  if (!closeRequested_) return;
  closeRequested_ = false;
  // The cursor's place when a password question ends: where it was last seen.
  if (closeRules_.OnCloseRequest(MonotonicMs(), VerifyPassword, [this](int& x, int& y) {
        x = lastPointer_.x;
        y = lastPointer_.y;
      })) {
    finished_ = true;
  }
}

OutputSurface* WaylandShowRun::SurfaceOf(wl_surface* surface) const {
  for (const auto& s : surfaces_) {
    if (s->WlSurface() == surface) return s.get();
  }
  return nullptr;
}

OutputSurface* WaylandShowRun::SurfaceOn(const WaylandOutput& output) const {
  for (const auto& s : surfaces_) {
    if (&s->Output() == &output) return s.get();
  }
  return nullptr;
}

void WaylandShowRun::AddSurface(WaylandOutput& output) {
  surfaces_.push_back(std::make_unique<OutputSurface>(session_, output, surfaceKind_, *this));
  if (!Saver()) surfaces_.back()->StartShow(profile_, programDirectory_, spheres_);
}

void WaylandShowRun::AssignShows() {
  std::vector<bool> showing;
  for (const auto& surface : surfaces_) showing.push_back(surface->Shows());
  const std::vector<bool> shows = OutputsThatShow(showing, allScreens_);
  for (size_t i = 0; i < surfaces_.size(); ++i) {
    if (shows[i] && !showing[i]) surfaces_[i]->StartShow(profile_, programDirectory_, spheres_);
    if (!shows[i] && showing[i]) surfaces_[i]->StopShow();
  }
}

void WaylandShowRun::OutputDescribed(WaylandOutput& output) {
  if (OutputSurface* surface = SurfaceOn(output)) {
    surface->OutputChanged();
    return;
  }
  if (!Saver()) {
    // A window waiting for an output takes the first one described.
    if (!surfaces_.empty() && &surfaces_.front()->Output() == &noOutput_) surfaces_.front()->MoveTo(output);
    if (surfaces_.empty()) AddSurface(output);
    return;
  }
  AddSurface(output);
  AssignShows();
}

void WaylandShowRun::OutputRemoved(WaylandOutput& output) {
  if (!Saver()) {
    for (const auto& surface : surfaces_) {
      if (&surface->Output() != &output) continue;
      const auto& outputs = session_.Outputs();
      const auto other = std::ranges::find_if(outputs, [&](const auto& o) { return o.get() != &output && o->described; });
      surface->MoveTo(other == outputs.end() ? noOutput_ : **other);
    }
    return;
  }
  // Its surface goes with it; a show it carried moves to the first output left.
  std::erase_if(surfaces_, [&](const auto& s) { return &s->Output() == &output; });
  std::erase_if(closed_, [&](OutputSurface* s) { return std::ranges::none_of(surfaces_, [s](const auto& k) { return k.get() == s; }); });
  AssignShows();
}

void WaylandShowRun::SurfaceClosed(OutputSurface& surface) {
  if (!Saver()) {
    finished_ = true;
    return;
  }
  // A toplevel's close is swallowed, as the saver's own rules alone end it; an overlay the
  // compositor closed is gone (its output is), and is removed after the events are read.
  if (surfaceKind_ == OutputSurface::Kind::Overlay) closed_.push_back(&surface);
}

void WaylandShowRun::PointerEntered(wl_pointer* pointer, uint32_t serial, wl_surface* surface) {
  if (Saver() && SurfaceOf(surface)) wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);
}

void WaylandShowRun::PointerMoved(wl_surface* surface, double x, double y) {
  const OutputSurface* s = SurfaceOf(surface);
  if (!Saver() || !s) return;
  // In device pixels of one space for all outputs: the output's place plus the point on it.
  const WaylandOutput& output = s->Output();
  lastPointer_ = Point{static_cast<int>((output.position.x + x) * s->Scale()),
                       static_cast<int>((output.position.y + y) * s->Scale())};
  if (closeRules_.OnMouseMove(lastPointer_.x, lastPointer_.y)) closeRequested_ = true;
}

void WaylandShowRun::ButtonPressed() {
  if (Saver() && closeRules_.OnButtonOrKey()) closeRequested_ = true;
}

void WaylandShowRun::KeyPressed(uint32_t key) {
  if (Saver()) {
    if (closeRules_.OnButtonOrKey()) closeRequested_ = true;
  } else if (key == kEscapeKey) {
    finished_ = true;
  }
}

void WaylandShowRun::KeyboardFocus(wl_surface* surface) {
  // Focus moving between our own surfaces is no deactivation: it is judged after the events.
  focused_ = surface && SurfaceOf(surface);
  if (focused_) hadFocus_ = true;
}

}  // namespace

int RunWaylandShow(const Profile& profile, WaylandShowKind kind, const std::string& programDirectory,
                   SphereImageRenderer* spheres) {
  const std::unique_ptr<WaylandSession> session = WaylandSession::Connect();
  if (!session) {
    std::cerr << "tenukiro: cannot connect to the Wayland display\n";
    return 1;
  }
  WaylandShowRun run(*session, profile, kind, programDirectory, spheres);
  return run.Run();
}

}  // namespace tenukiro

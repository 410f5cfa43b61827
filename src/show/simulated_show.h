#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "render/raster.h"
#include "render/sphere_image_renderer.h"
#include "settings/profile.h"
#include "show/show_host.h"

namespace tenukiro {

class CShowWnd;

// Runs the show in a window that exists only in memory, on a simulated clock:
// the timer ticks exactly when it is due, as fast as the machine allows. The same
// profile and seed give the same pictures every run.
class SimulatedShow : public ShowHost {
 public:
  SimulatedShow(const Profile& profile, Size client, Size screen, const std::string& programDirectory,
                SphereImageRenderer* spheres);
  ~SimulatedShow() override;

  // Advances the clock to `ms`, running every tick due until then. `onChange` is
  // called with the first picture and after every tick that changed pixels, with
  // the time of that moment.
  void RunUntil(uint32_t ms, const std::function<void(uint32_t now, const Raster& picture)>& onChange = {});

  const CShowWnd& Show() const { return *show_; }

  Size ClientSize() const override { return client_; }
  Size ScreenSize() const override { return screen_; }
  Raster& Surface() override { return surface_; }
  void ArmTimer(int intervalMs) override;
  void Present(const Rect& changed) override;
  uint32_t TickCount() const override { return now_; }

 private:
  bool SurfaceChangedSinceShown() const;

  Size client_;
  Size screen_;
  Raster surface_;
  uint32_t now_ = 0;
  uint32_t interval_ = 0;
  uint32_t nextTick_ = 0;
  bool presented_ = false;
  bool started_ = false;
  Raster shown_;
  std::unique_ptr<CShowWnd> show_;
};

}  // namespace tenukiro

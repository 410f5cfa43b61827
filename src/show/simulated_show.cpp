#include "show/simulated_show.h"

#include <algorithm>
#include <cstring>

#include "show/show_window.h"

namespace tenukiro {

SimulatedShow::SimulatedShow(const Profile& profile, Size client, Size screen, const std::string& programDirectory,
                             SphereImageRenderer* spheres)
    : client_(client), screen_(screen), surface_(client.width, client.height) {
  show_ = std::make_unique<CShowWnd>(profile, *this, programDirectory, spheres);
  show_->OnCreate();
  show_->OnPaint();
}

SimulatedShow::~SimulatedShow() = default;

void SimulatedShow::ArmTimer(int intervalMs) {
  interval_ = static_cast<uint32_t>(std::max(intervalMs, 1));
  nextTick_ = now_ + interval_;
}

void SimulatedShow::Present(const Rect& changed) {
  if (changed.right > changed.left && changed.bottom > changed.top) presented_ = true;
}

bool SimulatedShow::SurfaceChangedSinceShown() const {
  if (shown_.width() != surface_.width() || shown_.height() != surface_.height()) return true;
  const size_t bytes = static_cast<size_t>(surface_.stride()) * static_cast<size_t>(surface_.height());
  return bytes != 0 && std::memcmp(shown_.data(), surface_.data(), bytes) != 0;
}

void SimulatedShow::RunUntil(uint32_t ms, const std::function<void(uint32_t, const Raster&)>& onChange) {
  const auto report = [&] {
    if (!presented_ && started_) return;
    presented_ = false;
    if (started_ && !SurfaceChangedSinceShown()) return;
    started_ = true;
    shown_ = surface_;
    if (onChange) onChange(now_, surface_);
  };
  report();
  while (interval_ > 0 && nextTick_ <= ms) {
    now_ = nextTick_;
    nextTick_ = now_ + interval_;
    show_->OnTimer();
    report();
  }
  now_ = std::max(now_, ms);
}

}  // namespace tenukiro

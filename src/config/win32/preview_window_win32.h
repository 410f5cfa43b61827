#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "render/raster.h"
#include "render/sphere_image_renderer.h"
#include "settings/profile.h"
#include "show/show_host.h"
#include "show/show_window.h"

namespace tenukiro {

// The configuration dialog's live preview: a child window that runs a show on
// timer 1 and shows the pixels the show draws.
class PreviewWindowWin32 : public ShowHost {
 public:
  PreviewWindowWin32(const Profile& profile, const std::string& programDirectory, SphereImageRenderer* spheres);
  ~PreviewWindowWin32() override;

  // A visible child of `parent` over `area` (client coordinates); the show starts.
  void Create(HWND parent, const RECT& area);
  CShowWnd& Show() { return *show_; }
  HWND Window() const { return window_; }

  Size ClientSize() const override;
  Size ScreenSize() const override;
  Raster& Surface() override { return surface_; }
  void ArmTimer(int intervalMs) override;
  void Present(const Rect& changed) override;
  uint32_t TickCount() const override { return GetTickCount(); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();

  std::unique_ptr<CShowWnd> show_;
  Raster surface_;
  std::vector<uint8_t> bgr_;
  HWND window_ = nullptr;
};

}  // namespace tenukiro

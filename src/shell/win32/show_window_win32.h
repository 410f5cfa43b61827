#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "config/win32/dialog_preview_win32.h"
#include "settings/profile.h"
#include "show/show_host.h"
#include "show/show_window.h"

namespace tenukiro {

class SaverSession;

// The window a show runs in: the full-screen saver (a top-most pop-up over a monitor, its input
// and closing handled by the saver's session), the preview inside a host's window, or an ordinary
// window, or the configuration dialog's live preview (a child like the preview, whose owner
// hands the show its settings). It keeps the window's pixels in a raster the show draws into and
// copies what changed to the screen. Destroying the window ends the message loop, except for the
// dialog's preview.
class ShowWindowWin32 : public ShowHost, public DialogPreviewWin32 {
 public:
  enum class Mode { FullScreen, Preview, Windowed, DialogPreview };

  ShowWindowWin32(const Profile& profile, Mode mode, const std::string& programDirectory,
                  SphereImageRenderer* spheres);
  ShowWindowWin32(const ShowWindowWin32&) = delete;
  ShowWindowWin32& operator=(const ShowWindowWin32&) = delete;
  ~ShowWindowWin32() override;

  // Before a full-screen window is made: the monitor it covers, the session that handles its input,
  // and whether it takes the focus (the primary monitor's show does, the others never).
  void CoverMonitor(const RECT& monitor, SaverSession& session, bool takesFocus);
  // Makes the window (a child covering `parent`'s client area in preview mode); false when the
  // system refuses it.
  bool Create(HWND parent) override;
  HWND Handle() const override { return window_; }
  CShowWnd& Show() override { return *show_; }

  // The configuration dialog's previews.
  static DialogPreviewFactory PreviewMaker(std::string programDirectory, SphereImageRenderer* spheres);

  Size ClientSize() const override;
  Size ScreenSize() const override;
  Raster& Surface() override { return surface_; }
  void ArmTimer(int intervalMs) override;
  void Present(const Rect& changed) override;
  uint32_t TickCount() const override { return GetTickCount(); }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void CopyToScreen(HDC dc, const Rect& area);

  Mode mode_;
  HWND window_ = nullptr;
  Raster surface_;
  std::vector<std::uint32_t> rowPixels_;  // one presented rectangle in the screen's pixel order
  std::unique_ptr<CShowWnd> show_;
  RECT monitor_{};
  SaverSession* session_ = nullptr;
  bool takesFocus_ = true;
  bool created_ = false;
  bool painted_ = false;  // the show has drawn its first whole picture
};

}  // namespace tenukiro

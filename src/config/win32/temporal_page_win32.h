#pragma once

#include "config/temporal_page.h"
#include "config/win32/dialog_window.h"

namespace tenukiro {

// The five time sliders; the tip above a moving thumb shows the time in seconds.
class TemporalPageWin32 : public DialogWindow {
 public:
  explicit TemporalPageWin32(CTemporalPage& page) : page_(page) {}
  void Refresh();

 protected:
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnScroll(HWND slider);
  void ShowTip(int slider);

  CTemporalPage& page_;
};

}  // namespace tenukiro

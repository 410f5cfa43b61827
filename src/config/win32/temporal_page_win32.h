#pragma once

#include "config/temporal_page.h"
#include "config/win32/dialog_window.h"

namespace tenukiro {

// The five time sliders; while a thumb is dragged, a tip above it shows the time in
// seconds. The page keeps that tip itself: the slider's own tip shows only its position.
class TemporalPageWin32 : public DialogWindow {
 public:
  explicit TemporalPageWin32(CTemporalPage& page) : page_(page) {}
  void Refresh();

 protected:
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateTip();
  void OnScroll(HWND slider, int code);
  void ShowTip(HWND slider, int index);
  void HideTip();

  CTemporalPage& page_;
  HWND tip_ = nullptr;
};

}  // namespace tenukiro

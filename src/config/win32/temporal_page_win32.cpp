#include "config/win32/temporal_page_win32.h"

#include <commctrl.h>

#include "config/win32/config_resource.h"
#include "config/win32/win32_text.h"

namespace tenukiro {
namespace {

// Posted after a slider moved, so that the tip shows the time once the slider has
// written its own number into it.
constexpr UINT kShowTip = WM_APP + 1;

int SliderIndex(HWND slider) { return GetDlgCtrlID(slider) - IDC_SLIDER_FIRST; }

}  // namespace

INT_PTR TemporalPageWin32::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      for (size_t i = 0; i < CTemporalPage::kSliders.size(); ++i) {
        HWND slider = Item(IDC_SLIDER_FIRST + static_cast<int>(i));
        SendMessageW(slider, TBM_SETRANGE, FALSE, MAKELPARAM(0, CTemporalPage::kMaximum));
        SendMessageW(slider, TBM_SETTICFREQ, CTemporalPage::kTickInterval, 0);
        SendMessageW(slider, TBM_SETPAGESIZE, 0, CTemporalPage::kPageStep);
        SendMessageW(slider, TBM_SETLINESIZE, 0, CTemporalPage::kLineStep);
        SendMessageW(slider, TBM_SETTIPSIDE, TBTS_TOP, 0);
      }
      Refresh();
      return TRUE;
    case WM_HSCROLL:
      if (lParam != 0) OnScroll(reinterpret_cast<HWND>(lParam));
      return TRUE;
    case kShowTip:
      ShowTip(static_cast<int>(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}

void TemporalPageWin32::OnScroll(HWND slider) {
  const int index = SliderIndex(slider);
  if (index < 0 || index >= static_cast<int>(CTemporalPage::kSliders.size())) return;
  const auto position = static_cast<int32_t>(SendMessageW(slider, TBM_GETPOS, 0, 0));
  if (position != page_.Position(index)) page_.OnSliderMoved(index, position);
  PostMessageW(window_, kShowTip, static_cast<WPARAM>(index), 0);
}

void TemporalPageWin32::ShowTip(int index) {
  HWND slider = Item(IDC_SLIDER_FIRST + index);
  HWND tip = reinterpret_cast<HWND>(SendMessageW(slider, TBM_GETTOOLTIPS, 0, 0));
  if (!tip) return;
  std::wstring text = Wide(page_.TipText(index));
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  info.hwnd = slider;
  info.uId = reinterpret_cast<UINT_PTR>(slider);
  if (!SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info))) {
    // The slider's own tool has another number: take the first tool of the tip.
    if (!SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&info))) return;
  }
  info.lpszText = text.data();
  SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void TemporalPageWin32::Refresh() {
  for (size_t i = 0; i < CTemporalPage::kSliders.size(); ++i) {
    const int index = static_cast<int>(i);
    SendMessageW(Item(IDC_SLIDER_FIRST + index), TBM_SETPOS, TRUE, page_.Position(index));
  }
}

}  // namespace tenukiro

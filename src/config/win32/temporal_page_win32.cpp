#include "config/win32/temporal_page_win32.h"

#include <commctrl.h>

#include "config/win32/config_resource.h"
#include "config/win32/win32_text.h"

namespace tenukiro {
namespace {

int SliderIndex(HWND slider) { return GetDlgCtrlID(slider) - IDC_SLIDER_FIRST; }

TOOLINFOW TipTool(HWND page) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = page;
  tool.uId = 1;
  return tool;
}

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
      }
      CreateTip();
      Refresh();
      return TRUE;
    case WM_HSCROLL:
      if (lParam != 0) OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
      return TRUE;
    case WM_DESTROY:
      if (tip_) DestroyWindow(tip_);
      tip_ = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

void TemporalPageWin32::CreateTip() {
  tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                         ResourceModule(), nullptr);
  if (!tip_) return;
  TOOLINFOW tool = TipTool(window_);
  wchar_t empty[] = L"";
  tool.lpszText = empty;
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TemporalPageWin32::OnScroll(HWND slider, int code) {
  const int index = SliderIndex(slider);
  if (index < 0 || index >= static_cast<int>(CTemporalPage::kSliders.size())) return;
  const auto position = static_cast<int32_t>(SendMessageW(slider, TBM_GETPOS, 0, 0));
  if (position != page_.Position(index)) page_.OnSliderMoved(index, position);
  if (code == TB_THUMBTRACK) {
    ShowTip(slider, index);
  } else if (code == TB_ENDTRACK || code == TB_THUMBPOSITION) {
    HideTip();
  }
}

void TemporalPageWin32::ShowTip(HWND slider, int index) {
  if (!tip_) return;
  std::wstring text = Wide(page_.TipText(index));
  TOOLINFOW tool = TipTool(window_);
  tool.lpszText = text.data();
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  // Centred above the thumb.
  RECT thumb{};
  SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  MapWindowPoints(slider, nullptr, reinterpret_cast<POINT*>(&thumb), 2);
  const auto size = static_cast<DWORD>(SendMessageW(tip_, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool)));
  const int x = (thumb.left + thumb.right) / 2 - LOWORD(size) / 2;
  const int y = thumb.top - HIWORD(size) - 2;
  SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
  SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void TemporalPageWin32::HideTip() {
  if (!tip_) return;
  TOOLINFOW tool = TipTool(window_);
  SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void TemporalPageWin32::Refresh() {
  for (size_t i = 0; i < CTemporalPage::kSliders.size(); ++i) {
    const int index = static_cast<int>(i);
    SendMessageW(Item(IDC_SLIDER_FIRST + index), TBM_SETPOS, TRUE, page_.Position(index));
  }
}

}  // namespace tenukiro

#include "config/win32/colours_page_win32.h"

#include <commdlg.h>

#include <algorithm>

#include "base/data_files.h"
#include "config/win32/config_resource.h"
#include "config/win32/win32_text.h"
#include "config/win32/display_scale.h"

namespace tenukiro {

ColourButtonLayout LayOutColourButton(const RECT& button, int dpi) {
  const auto scaled = [dpi](int pixels) { return ScaledPixels(pixels, dpi); };
  const int bar = (button.bottom - button.top) / 4;
  const int barBottom = button.bottom - scaled(3);
  const int barTop = barBottom - bar;
  ColourButtonLayout layout{};
  layout.caption = {button.left + scaled(2), button.top + scaled(1), button.right - scaled(2), barTop};
  layout.bar = {button.left + scaled(5), barTop, button.right - scaled(5), barBottom};
  layout.focus = {button.left + scaled(3), button.top + scaled(3), button.right - scaled(3), button.bottom - scaled(3)};
  layout.outline = std::max(1, scaled(1));
  return layout;
}

const std::array<ColoursPageWin32::ColourControl, 12> ColoursPageWin32::kColourControls = {{
    {IDC_SCREEN_BACKGROUND, ScreenBackgroundColor},
    {IDC_SCREEN_TEXT, ScreenTextColor},
    {IDC_GRID_BACKGROUND, BackColor},
    {IDC_GRID_LINES, LineColor},
    {IDC_BLACK_STONES, BlackColor},
    {IDC_WHITE_STONES, WhiteColor},
    {IDC_ASSISTANT_BODY, AssistantBodyColor},
    {IDC_ASSISTANT_ONOMATOPOEIA, AssistantOnomatopeiaColor},
    {IDC_ASSISTANT_INTERN, AssistantInternColor},
    {IDC_ASSISTANT_TEXT, AssistantTextColor},
    {IDC_ASSISTANT_EXTERN, AssistantExternColor},
    {IDC_ASSISTANT_BALLOON, AssistantBalloonColor},
}};

INT_PTR ColoursPageWin32::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Refresh();
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
      return TRUE;
    case WM_DRAWITEM:
      DrawColourButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    default:
      return FALSE;
  }
}

void ColoursPageWin32::OnCommand(int control) {
  switch (control) {
    case IDC_3D_EFFECT:
      page_.On3DEffect(Checked(control));
      return;
    case IDC_RANDOM_COLOURS:
      page_.OnRandom(Checked(control));
      Refresh();
      return;
    case IDC_CUSTOM_PATTERNS:
      if (page_.OnCustom(Checked(control))) {
        // The program's folder may not be the user's to write: say where the user's own files go.
        MessageBoxW(window_, Wide(PatternFilesExplanation(UserDataFolder())).c_str(), L"Tenukiro", MB_OK);
      }
      return;
    default:
      for (const ColourControl& colour : kColourControls) {
        if (colour.control == control) Choose(colour.setting);
      }
  }
}

void ColoursPageWin32::Choose(SettingId setting) {
  CustomColours custom = page_.CustomColoursForChooser();
  std::array<COLORREF, 16> slots{};
  for (size_t i = 0; i < slots.size(); ++i) slots[i] = custom[i];
  CHOOSECOLORW chooser{};
  chooser.lStructSize = sizeof chooser;
  chooser.hwndOwner = GetAncestor(window_, GA_ROOT);
  chooser.rgbResult = page_.ColourOf(setting);
  chooser.lpCustColors = slots.data();
  chooser.Flags = CC_RGBINIT | CC_ANYCOLOR;
  // A cancelled chooser keeps everything, the custom colours too.
  if (!ChooseColorW(&chooser)) return;
  for (size_t i = 0; i < slots.size(); ++i) custom[i] = slots[i] & 0xFFFFFF;
  page_.OnColourChosen(setting, chooser.rgbResult & 0xFFFFFF, custom);
  Refresh();
}

void ColoursPageWin32::DrawColourButton(const DRAWITEMSTRUCT& item) {
  SettingId setting = kSettingCount;
  for (const ColourControl& colour : kColourControls) {
    if (colour.control == static_cast<int>(item.CtlID)) setting = colour.setting;
  }
  if (setting == kSettingCount) return;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  RECT frame = item.rcItem;
  DrawFrameControl(item.hDC, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
  // The caption above a bar of the colour; a greyed button shows no colour.
  const ColourButtonLayout layout = LayOutColourButton(item.rcItem, WindowDpi(item.hwndItem));
  RECT text = layout.caption;
  wchar_t caption[64] = {};
  GetWindowTextW(item.hwndItem, caption, 64);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  DrawTextW(item.hDC, caption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  RECT swatch = layout.bar;
  HBRUSH edge = CreateSolidBrush(GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  FillRect(item.hDC, &swatch, edge);
  DeleteObject(edge);
  InflateRect(&swatch, -layout.outline, -layout.outline);
  HBRUSH fill = CreateSolidBrush(disabled ? GetSysColor(COLOR_BTNFACE) : page_.ColourOf(setting));
  FillRect(item.hDC, &swatch, fill);
  DeleteObject(fill);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = layout.focus;
    DrawFocusRect(item.hDC, &focus);
  }
}

void ColoursPageWin32::Refresh() {
  Check(IDC_3D_EFFECT, page_.With3DEffectChecked());
  Check(IDC_RANDOM_COLOURS, page_.RandomChecked());
  Check(IDC_CUSTOM_PATTERNS, page_.CustomChecked());
  for (const ColourControl& colour : kColourControls) {
    Enable(colour.control, page_.ColourButtonsEnabled());
    InvalidateRect(Item(colour.control), nullptr, TRUE);
  }
}

}  // namespace tenukiro

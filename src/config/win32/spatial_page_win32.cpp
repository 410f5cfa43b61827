#include "config/win32/spatial_page_win32.h"

#include <commctrl.h>

#include "config/win32/config_resource.h"
#include "config/win32/win32_text.h"

namespace tenukiro {

const std::array<SpatialPageWin32::EditControls, CSpatialPage::kEditCount> SpatialPageWin32::kEditControls = {{
    {IDC_RADIUS_EDIT, IDC_RADIUS_SPIN},
    {IDC_GRID_X_EDIT, IDC_GRID_X_SPIN},
    {IDC_GRID_Y_EDIT, IDC_GRID_Y_SPIN},
    {IDC_HEIGHT_EDIT, IDC_HEIGHT_SPIN},
    {IDC_WIDTH_EDIT, IDC_WIDTH_SPIN},
}};

INT_PTR SpatialPageWin32::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      for (const EditControls& controls : kEditControls) {
        SendMessageW(Item(controls.edit), EM_LIMITTEXT, 10, 0);
        // A range that counts upwards, so that the upper arrow steps by +1.
        SendMessageW(Item(controls.spin), UDM_SETRANGE32, static_cast<WPARAM>(-100), 100);
      }
      Refresh();
      return TRUE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code != UDN_DELTAPOS) return FALSE;
      // The spin's own position means nothing: each press steps the typed value.
      OnSpin(static_cast<int>(header->idFrom), reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

void SpatialPageWin32::OnCommand(int control, int code) {
  for (int i = 0; i < CSpatialPage::kEditCount; ++i) {
    if (control != kEditControls[i].edit) continue;
    if (code != EN_CHANGE || writing_) return;
    const auto edit = static_cast<CSpatialPage::Edit>(i);
    if (const auto shown = page_.OnEditChanged(edit, WindowTextUtf8(Item(control)))) ShowEditText(edit, *shown);
    return;
  }
  if (code != BN_CLICKED) return;
  for (int position = 0; position < static_cast<int>(kGridRadios.size()); ++position) {
    if (control == kGridRadios[position] && Checked(control)) {
      page_.OnGridPosition(position);
      UpdateEnabling();
    }
  }
  if (control == IDC_CUSTOM_WIDTH) page_.OnCustomWidth(Checked(control));
  if (control == IDC_CUSTOM_HEIGHT) page_.OnCustomHeight(Checked(control));
  UpdateEnabling();
}

void SpatialPageWin32::OnSpin(int spin, int delta) {
  for (int i = 0; i < CSpatialPage::kEditCount; ++i) {
    if (spin != kEditControls[i].spin) continue;
    const auto edit = static_cast<CSpatialPage::Edit>(i);
    const std::string stepped = page_.SpinStep(edit, delta > 0 ? 1 : -1);
    ShowEditText(edit, stepped);
    page_.OnEditChanged(edit, stepped);
  }
}

void SpatialPageWin32::ShowEditText(CSpatialPage::Edit edit, const std::string& text) {
  HWND control = Item(kEditControls[edit].edit);
  writing_ = true;
  SetWindowTextUtf8(control, text);
  writing_ = false;
  // Typing goes on after the replaced number.
  SendMessageW(control, EM_SETSEL, text.size(), text.size());
}

void SpatialPageWin32::UpdateEnabling() {
  const bool offsets = page_.GridOffsetsEnabled();
  for (const int control : {IDC_GRID_X_EDIT, IDC_GRID_X_SPIN, IDC_GRID_Y_EDIT, IDC_GRID_Y_SPIN}) Enable(control, offsets);
  for (const int control : {IDC_WIDTH_EDIT, IDC_WIDTH_SPIN}) Enable(control, page_.WidthEnabled());
  for (const int control : {IDC_HEIGHT_EDIT, IDC_HEIGHT_SPIN}) Enable(control, page_.HeightEnabled());
}

void SpatialPageWin32::Refresh() {
  for (int i = 0; i < CSpatialPage::kEditCount; ++i) {
    writing_ = true;
    SetWindowTextUtf8(Item(kEditControls[i].edit), page_.EditText(static_cast<CSpatialPage::Edit>(i)));
    writing_ = false;
  }
  CheckRadioButton(window_, IDC_GRID_CENTER, IDC_GRID_CUSTOM, kGridRadios[page_.CheckedGridRadio()]);
  Check(IDC_CUSTOM_WIDTH, page_.CustomWidth());
  Check(IDC_CUSTOM_HEIGHT, page_.CustomHeight());
  UpdateEnabling();
}

}  // namespace tenukiro

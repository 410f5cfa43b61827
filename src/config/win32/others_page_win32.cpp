#include "config/win32/others_page_win32.h"

#include "config/win32/config_resource.h"

namespace tenukiro {

INT_PTR OthersPageWin32::Handle(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Refresh();
      return TRUE;
    case WM_COMMAND: {
      if (LOWORD(wParam) == IDC_ALL_SCREENS && HIWORD(wParam) == BN_CLICKED) {
        page_.OnAllScreens(Checked(IDC_ALL_SCREENS));
        return TRUE;
      }
      const int index = LOWORD(wParam) - IDC_SWITCH_FIRST;
      if (HIWORD(wParam) == BN_CLICKED && index >= 0 && index < static_cast<int>(COthersPage::kSwitches.size())) {
        page_.OnClicked(index, Checked(LOWORD(wParam)));
      }
      return TRUE;
    }
    default:
      return FALSE;
  }
}

void OthersPageWin32::Refresh() {
  for (size_t i = 0; i < COthersPage::kSwitches.size(); ++i) {
    Check(IDC_SWITCH_FIRST + static_cast<int>(i), page_.Checked(static_cast<int>(i)));
  }
  Check(IDC_ALL_SCREENS, page_.AllScreensChecked());
}

}  // namespace tenukiro

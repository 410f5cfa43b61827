#include "config/win32/file_order_dialog_win32.h"

#include <commctrl.h>

#include "config/win32/config_resource.h"
#include "config/win32/win32_text.h"

namespace tenukiro {

bool FileOrderDialogWin32::Run(HWND owner) { return RunModal(owner, IDD_FILE_ORDER) == IDOK; }

INT_PTR FileOrderDialogWin32::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (dragListMessage_ != 0 && message == dragListMessage_) {
    SetWindowLongPtrW(window_, DWLP_MSGRESULT, OnDragList(*reinterpret_cast<const DRAGLISTINFO*>(lParam)));
    return TRUE;
  }
  switch (message) {
    case WM_INITDIALOG:
      MakeDragList(Item(IDC_ORDER_LIST));
      // The drag list's notices come as the message registered under DRAGLISTMSGSTRING.
      dragListMessage_ = RegisterWindowMessageW(L"commctrl_DragListMsg");
      Fill();
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_SORT:
          order_.Sort();
          Fill();
          return TRUE;
        case IDOK:
        case IDCANCEL:
          EndDialog(window_, LOWORD(wParam));
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

LRESULT FileOrderDialogWin32::OnDragList(const DRAGLISTINFO& info) {
  HWND list = Item(IDC_ORDER_LIST);
  switch (info.uNotification) {
    case DL_BEGINDRAG:
      // Only a path can be dragged, never the empty last entry.
      dragged_ = LBItemFromPt(list, info.ptCursor, FALSE);
      return order_.CanDrag(dragged_) ? TRUE : FALSE;
    case DL_DRAGGING:
      DrawInsert(window_, list, TargetAt(info.ptCursor));
      return DL_MOVECURSOR;
    case DL_DROPPED: {
      DrawInsert(window_, list, -1);
      const int landed = order_.Drop(dragged_, TargetAt(info.ptCursor));
      dragged_ = -1;
      Fill();
      SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(landed), 0);
      return 0;
    }
    case DL_CANCELDRAG:
      DrawInsert(window_, list, -1);
      dragged_ = -1;
      return 0;
    default:
      return 0;
  }
}

int FileOrderDialogWin32::TargetAt(POINT screen) const {
  HWND list = Item(IDC_ORDER_LIST);
  // Near the edges the list scrolls while the pointer stays.
  const int entry = LBItemFromPt(list, screen, TRUE);
  if (entry >= 0) return entry;
  RECT bounds;
  GetWindowRect(list, &bounds);
  return order_.TargetOutsideEntries(screen.y < bounds.top);
}

void FileOrderDialogWin32::Fill() {
  HWND list = Item(IDC_ORDER_LIST);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& entry : order_.Entries()) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

}  // namespace tenukiro

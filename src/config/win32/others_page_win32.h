#pragma once

#include "config/others_page.h"
#include "config/win32/dialog_window.h"

namespace tenukiro {

// Ten display switches, numbered from IDC_SWITCH_FIRST in the page's order.
class OthersPageWin32 : public DialogWindow {
 public:
  explicit OthersPageWin32(COthersPage& page) : page_(page) {}
  void Refresh();

 protected:
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  COthersPage& page_;
};

}  // namespace tenukiro

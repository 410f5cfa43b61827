#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "config/file_order.h"
#include "config/win32/dialog_window.h"

namespace tenukiro {

// The file order dialog: a drag list of the paths with an empty last entry, and a
// Sort button that sorts up and down in turn.
class FileOrderDialogWin32 : public DialogWindow {
 public:
  explicit FileOrderDialogWin32(std::vector<std::string> paths) : order_(std::move(paths)) {}

  // True when the dialog ended with OK.
  bool Run(HWND owner);
  std::vector<std::string> Paths() const { return order_.Paths(); }

 protected:
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnDragList(const DRAGLISTINFO& info);
  int TargetAt(POINT screen) const;
  void Fill();

  FileOrder order_;
  UINT dragListMessage_ = 0;
  int dragged_ = -1;
};

}  // namespace tenukiro

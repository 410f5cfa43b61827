#pragma once

#include <windows.h>

namespace tenukiro {

// A dialog made from a resource template whose messages go to a C++ object: the
// configuration dialog, its pages (child dialogs), the file order dialog and the
// About box.
class DialogWindow {
 public:
  virtual ~DialogWindow() = default;
  DialogWindow() = default;
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // A modeless dialog (or page, for a child template) from the English template
  // number, in the interface language.
  HWND Create(HWND parent, int englishTemplate);
  // A modal dialog: its end code.
  INT_PTR RunModal(HWND owner, int englishTemplate);

  HWND Window() const { return window_; }
  HWND Item(int control) const { return GetDlgItem(window_, control); }

 protected:
  // One message; returns what a dialog procedure returns (FALSE: not handled).
  virtual INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  bool Checked(int control) const { return IsDlgButtonChecked(window_, control) == BST_CHECKED; }
  void Check(int control, bool checked) { CheckDlgButton(window_, control, checked ? BST_CHECKED : BST_UNCHECKED); }
  void Enable(int control, bool enabled) { EnableWindow(Item(control), enabled ? TRUE : FALSE); }

  HWND window_ = nullptr;

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// The module whose resources hold the templates.
HINSTANCE ResourceModule();

}  // namespace tenukiro

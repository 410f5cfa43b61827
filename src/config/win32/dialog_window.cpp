#include "config/win32/dialog_window.h"

#include "config/win32/win32_text.h"

namespace tenukiro {

HINSTANCE ResourceModule() { return GetModuleHandleW(nullptr); }

HWND DialogWindow::Create(HWND parent, int englishTemplate) {
  return CreateDialogParamW(ResourceModule(), TemplateOf(englishTemplate), parent, Procedure,
                            reinterpret_cast<LPARAM>(this));
}

INT_PTR DialogWindow::RunModal(HWND owner, int englishTemplate) {
  return DialogBoxParamW(ResourceModule(), TemplateOf(englishTemplate), owner, Procedure,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
  if (message == WM_INITDIALOG) {
    // The object is known from here on; messages before this one get the default handling.
    self = reinterpret_cast<DialogWindow*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    self->window_ = window;
  }
  if (!self) return FALSE;
  const INT_PTR result = self->Handle(message, wParam, lParam);
  if (message == WM_NCDESTROY) self->window_ = nullptr;
  return result;
}

}  // namespace tenukiro

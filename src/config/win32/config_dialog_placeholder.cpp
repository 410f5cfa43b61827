#include "base/language.h"
#include "base/win32/wide_text.h"
#include "config/win32/config_dialog_win32.h"

namespace tenukiro {

// This build has no configuration dialog yet: the user is told so, and the settings stay as
// they are.
int RunConfigDialog(HWND owner, Profile&, const ConfigDialogHost&) {
  const char* text = IsFrench() != 0 ? "Cette version ne contient pas encore la boîte de configuration."
                                     : "The configuration dialog is not in this build.";
  MessageBoxW(owner, WideFromUtf8(text).c_str(), L"Tenukiro", MB_OK | MB_ICONINFORMATION);
  return 0;
}

}  // namespace tenukiro

#pragma once

#include <windows.h>

#include <string>

#include "config/win32/dialog_preview_win32.h"
#include "settings/profile.h"

namespace tenukiro {

// What the Windows host hands the configuration dialog.
struct ConfigDialogHost {
  std::string programDirectory;  // the program's folder, ending with a backslash
  std::string helpPage;          // the help page of the current language
  DialogPreviewFactory makePreview;  // the live preview; without one the dialog has none
};

// Runs the configuration dialog modally, owned by `owner` (null: no owner); OK writes every
// setting into `profile`. Returns the process exit status.
int RunConfigDialog(HWND owner, Profile& profile, const ConfigDialogHost& host);

}  // namespace tenukiro

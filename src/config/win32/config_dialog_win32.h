#pragma once

#include <windows.h>

#include <string>

#include "render/sphere_image_renderer.h"
#include "settings/profile.h"

namespace tenukiro {

// What the Windows host hands the configuration dialog.
struct ConfigDialogHost {
  std::string programDirectory;  // the program's folder, ending with a backslash
  std::string helpPage;          // the help page of the current language
  SphereImageRenderer* spheres = nullptr;  // for the live preview; null gives the flat look
};

// Runs the configuration dialog modally, owned by `owner` (null: no owner); OK writes every
// setting into `profile`. Returns the process exit status.
int RunConfigDialog(HWND owner, Profile& profile, const ConfigDialogHost& host);

}  // namespace tenukiro

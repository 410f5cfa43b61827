#pragma once

#include <windows.h>

#include <string>

#include "render/sphere_image_renderer.h"
#include "settings/profile.h"

namespace tenukiro {

// What the configuration dialog needs from the host: the program's folder (records,
// pattern files), the help page of the interface language, where the user's own
// pattern files go when that is another folder (else empty), and the sphere renderer
// of the preview. Paths are in the system's ANSI code page.
struct ConfigDialogServicesWin32 {
  std::string programDirectory;
  std::string helpPage;
  std::string userFolder;
  SphereImageRenderer* spheres = nullptr;
};

// Runs the configuration dialog owned by `owner` (none when null) until OK or
// Cancel; OK writes every setting to the profile. Returns IDOK or IDCANCEL.
int RunConfigDialog(HWND owner, Profile& profile, const ConfigDialogServicesWin32& services);

}  // namespace tenukiro

#pragma once

#include <windows.h>

namespace tenukiro {

// Whether the user may close the saver: the NT family checks the password itself; older systems
// ask "PASSWORD.CPL". A missing library or entry grants the close.
bool VerifyScreenSavePassword(HWND window);

// The system's screen-saver password change through "MPR.DLL"; nothing happens without it.
void ChangeScreenSavePassword(HWND window);

}  // namespace tenukiro

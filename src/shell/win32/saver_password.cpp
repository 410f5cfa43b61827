#include "shell/win32/saver_password.h"

namespace tenukiro {
namespace {

using VerifyFunction = BOOL(WINAPI*)(HWND);
using ChangeFunction = DWORD(WINAPI*)(LPCSTR, HWND, UINT, UINT);

// A library entry point as the type it is called through.
template <typename Function>
Function EntryPoint(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

bool IsNtFamily() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace

bool VerifyScreenSavePassword(HWND window) {
  if (IsNtFamily()) return true;
  HMODULE library = LoadLibraryA("PASSWORD.CPL");
  if (library == nullptr) return true;
  const auto verify = EntryPoint<VerifyFunction>(library, "VerifyScreenSavePwd");
  const bool granted = verify == nullptr || verify(window) != FALSE;
  FreeLibrary(library);
  return granted;
}

void ChangeScreenSavePassword(HWND window) {
  HMODULE library = LoadLibraryA("MPR.DLL");
  if (library == nullptr) return;
  if (const auto change = EntryPoint<ChangeFunction>(library, "PwdChangePasswordA")) change("SCRSAVE", window, 0, 0);
  FreeLibrary(library);
}

}  // namespace tenukiro

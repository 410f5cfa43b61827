#include "shell/win32/win32_platform.h"

#include <windows.h>

#include <algorithm>

#include "base/language.h"
#include "config/win32/config_dialog_win32.h"
#include "settings/settings_record.h"
#include "settings/win32/registry_profile.h"
#include "shell/win32/saver_password.h"
#include "shell/win32/saver_session.h"
#include "shell/win32/show_window_win32.h"
#include "sphere/shared_sphere_renderer.h"

namespace tenukiro {
namespace {

// A window number of the command line as a handle; the number is the handle's value.
HWND WindowOf(uint64_t number) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(number)); }

// Runs the message loop until the main window is destroyed; its quit code is the exit status.
int RunMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

int RunShow(Profile& profile, ShowWindowWin32::Mode mode, HWND parent, const std::string& programDirectory) {
  ShowWindowWin32 window(profile, mode, programDirectory, SharedSphereRenderer());
  if (!window.Create(parent)) return 1;
  return RunMessageLoop();
}

}  // namespace

// The user's default locale decides the language, as it does for the texts of every other
// program the user runs.
std::optional<std::string> Win32Platform::SystemLanguageName() {
  char name[128] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SENGLANGUAGE, name, sizeof name) <= 0) return std::nullopt;
  return std::string(name);
}

std::unique_ptr<Profile> Win32Platform::OpenProfile(const std::string& application) {
  return std::make_unique<RegistryProfile>(application);
}

int Win32Platform::RunConfiguration(Profile& profile, const CommandLine& commandLine) {
  HWND owner = commandLine.ownerIsForeground ? GetForegroundWindow()
                                             : WindowOf(static_cast<uint64_t>(std::max<int64_t>(commandLine.window, 0)));
  if (owner != nullptr && !IsWindow(owner)) owner = nullptr;
  ConfigDialogHost host;
  host.programDirectory = programDirectory_;
  host.helpPage = HelpFilePathFor(programDirectory_, IsFrench() != 0);
  host.makePreview = ShowWindowWin32::PreviewMaker(programDirectory_, SharedSphereRenderer());
  return RunConfigDialog(owner, profile, host);
}

// A window number that names no window has nowhere to draw: the preview ends at once.
int Win32Platform::RunPreview(Profile& profile, const PreviewTarget& target) {
  HWND parent = target.window ? WindowOf(*target.window) : GetDesktopWindow();
  if (parent == nullptr || !IsWindow(parent)) return 0;
  return RunShow(profile, ShowWindowWin32::Mode::Preview, parent, programDirectory_);
}

int Win32Platform::RunScreenSaver(Profile& profile) {
  SaverSession session(profile);
  const bool showOnEvery = ReadShowSettings(profile).Registry(AllScreens) == 1;
  if (!session.Start(profile, showOnEvery, programDirectory_, SharedSphereRenderer())) return 1;
  return RunMessageLoop();
}

int Win32Platform::RunInWindow(Profile& profile) {
  return RunShow(profile, ShowWindowWin32::Mode::Windowed, nullptr, programDirectory_);
}

int Win32Platform::RunChangePassword(int64_t window) {
  ChangeScreenSavePassword(WindowOf(static_cast<uint64_t>(std::max<int64_t>(window, 0))));
  return 0;
}

}  // namespace tenukiro

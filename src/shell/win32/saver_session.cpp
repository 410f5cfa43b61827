#include "shell/win32/saver_session.h"

#include <algorithm>

#include "settings/other_values.h"
#include "shell/win32/monitor_areas.h"
#include "shell/win32/saver_password.h"
#include "shell/win32/show_window_win32.h"

namespace tenukiro {
namespace {

constexpr wchar_t kCoverClass[] = L"TenukiroCover";

// The cover's class: black, no cursor of its own.
const wchar_t* CoverClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;  // replaced per window at creation
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kCoverClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  return registered ? kCoverClass : nullptr;
}

// A mouse message's client position (signed: left of or above a secondary monitor's window
// origin is negative) in screen pixels.
POINT ScreenPoint(HWND window, LPARAM lParam) {
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(window, &point);
  return point;
}

}  // namespace

SaverSession::SaverSession(const Profile& profile)
    : closeRules_(ReadMouseThreshold(profile), ReadPasswordDelay(profile), GetTickCount()) {}

SaverSession::~SaverSession() {
  shows_.clear();
  for (HWND cover : covers_) {
    SetWindowLongPtrW(cover, GWLP_USERDATA, 0);
    DestroyWindow(cover);
  }
}

// The other monitors' windows come first and never take the focus: the primary monitor's show,
// made last, is the one that gets the keys.
bool SaverSession::Start(const Profile& profile, bool showOnEvery, const std::string& programDirectory,
                         SphereImageRenderer* spheres) {
  const std::vector<RECT> monitors = MonitorAreas();
  for (size_t i = 1; i < monitors.size(); ++i) {
    if (!showOnEvery) {
      if (HWND cover = CreateCover(monitors[i])) covers_.push_back(cover);
      continue;
    }
    auto show = std::make_unique<ShowWindowWin32>(profile, ShowWindowWin32::Mode::FullScreen, programDirectory, spheres);
    show->CoverMonitor(monitors[i], *this, false);
    if (show->Create(nullptr)) shows_.push_back(std::move(show));
  }
  auto primary = std::make_unique<ShowWindowWin32>(profile, ShowWindowWin32::Mode::FullScreen, programDirectory, spheres);
  primary->CoverMonitor(monitors.front(), *this, true);
  if (!primary->Create(nullptr)) return false;
  shows_.push_back(std::move(primary));
  return true;
}

HWND SaverSession::CreateCover(const RECT& monitor) {
  const wchar_t* windowClass = CoverClass();
  if (windowClass == nullptr) return nullptr;
  HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass, L"",
                               WS_POPUP, monitor.left, monitor.top, monitor.right - monitor.left,
                               monitor.bottom - monitor.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (cover == nullptr) return nullptr;
  SetWindowLongPtrW(cover, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(cover, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CoverProcedure));
  ShowWindow(cover, SW_SHOWNOACTIVATE);
  return cover;
}

LRESULT CALLBACK SaverSession::CoverProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<SaverSession*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  LRESULT result = 0;
  if (self != nullptr && self->OnMessage(window, message, wParam, lParam, result)) return result;
  return DefWindowProcW(window, message, wParam, lParam);
}

// The saver's windows are the ones of its thread; one that is still being made is not yet listed.
bool SaverSession::Owns(HWND window) const {
  return window != nullptr && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

bool SaverSession::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const auto requestClose = [window] { PostMessageW(window, WM_CLOSE, 0, 0); };
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(closeRules_.CursorVisible() ? LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)) : nullptr);
      result = TRUE;
      return true;
    case WM_MOUSEMOVE: {
      const POINT point = ScreenPoint(window, lParam);
      if (closeRules_.OnMouseMove(point.x, point.y)) requestClose();
      return false;
    }
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (closeRules_.OnButtonOrKey()) requestClose();
      return false;
    case WM_ACTIVATE:
      // Going from one of the saver's windows to another is no reason to close.
      if (LOWORD(wParam) == WA_INACTIVE && !Owns(reinterpret_cast<HWND>(lParam)) && closeRules_.OnDeactivate()) {
        requestClose();
      }
      return false;
    case WM_ACTIVATEAPP:
      if (wParam == FALSE && closeRules_.OnDeactivate()) requestClose();
      return false;
    case WM_NCACTIVATE:
      // Deactivation is refused unless the password question is open.
      if (closeRules_.PasswordDialogActive() || wParam != FALSE) return false;
      result = FALSE;
      return true;
    case WM_SYSCOMMAND:
      return (wParam & 0xFFF0) == SC_SCREENSAVE || (wParam & 0xFFF0) == SC_CLOSE;
    case WM_CLOSE:
      OnClose(window);
      return true;
    default:
      return false;
  }
}

void SaverSession::OnClose(HWND window) {
  const bool closes = closeRules_.OnCloseRequest(
      GetTickCount(),
      [window] {
        // The arrow shows while the system asks for the password.
        PostMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return VerifyScreenSavePassword(window);
      },
      [](int& x, int& y) {
        POINT cursor{};
        GetCursorPos(&cursor);
        x = cursor.x;
        y = cursor.y;
      });
  // The message loop ends; the windows go with the session.
  if (closes) PostQuitMessage(0);
}

}  // namespace tenukiro

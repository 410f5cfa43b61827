#include "shell/win32/show_window_win32.h"

#include <algorithm>

#include "shell/win32/resource.h"
#include "shell/win32/saver_session.h"

namespace tenukiro {
namespace {

constexpr UINT_PTR kShowTimer = 1;
// The full-screen and ordinary windows' class carries the program's icon; the preview's has none.
constexpr wchar_t kClassWithIcon[] = L"TenukiroShow";
constexpr wchar_t kClassWithoutIcon[] = L"TenukiroPreview";

// Registers the window class once per process: redrawn whole on resize, no cursor, no
// background brush (the show paints every pixel).
const wchar_t* WindowClass(bool withIcon) {
  static bool registered[2] = {false, false};
  const wchar_t* name = withIcon ? kClassWithIcon : kClassWithoutIcon;
  if (!registered[withIcon]) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = DefWindowProcW;  // replaced per window at creation
    windowClass.hInstance = GetModuleHandleW(nullptr);
    if (withIcon) windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(IDI_TENUKIRO));
    windowClass.lpszClassName = name;
    registered[withIcon] = RegisterClassExW(&windowClass) != 0;
  }
  return name;
}

}  // namespace

ShowWindowWin32::ShowWindowWin32(const Profile& profile, Mode mode, const std::string& programDirectory,
                                 SphereImageRenderer* spheres)
    : mode_(mode),
      show_(std::make_unique<CShowWnd>(profile, *this, programDirectory, spheres)),
      monitor_{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)} {}

ShowWindowWin32::~ShowWindowWin32() {
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void ShowWindowWin32::CoverMonitor(const RECT& monitor, SaverSession& session, bool takesFocus) {
  monitor_ = monitor;
  session_ = &session;
  takesFocus_ = takesFocus;
}

DialogPreviewFactory ShowWindowWin32::PreviewMaker(std::string programDirectory, SphereImageRenderer* spheres) {
  return [programDirectory = std::move(programDirectory), spheres](const Profile& profile) {
    return std::make_unique<ShowWindowWin32>(profile, Mode::DialogPreview, programDirectory, spheres);
  };
}

bool ShowWindowWin32::Create(HWND parent) {
  const bool child = mode_ == Mode::Preview || mode_ == Mode::DialogPreview;
  const wchar_t* windowClass = WindowClass(!child);
  // A window that must not take the focus is shown only once it is made.
  DWORD style = WS_POPUP | (takesFocus_ ? WS_VISIBLE : 0);
  DWORD extendedStyle = WS_EX_TOPMOST | (takesFocus_ ? 0 : WS_EX_NOACTIVATE);
  RECT area = monitor_;
  int x = monitor_.left;
  int y = monitor_.top;
  if (child) {
    style = WS_CHILD | WS_VISIBLE;
    extendedStyle = 0;
    GetClientRect(parent, &area);
  } else if (mode_ == Mode::Windowed) {
    style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    extendedStyle = 0;
    area = RECT{0, 0, 1024, 768};
    AdjustWindowRectEx(&area, style, FALSE, extendedStyle);
    x = y = CW_USEDEFAULT;
  }
  window_ = CreateWindowExW(extendedStyle, windowClass, mode_ == Mode::Windowed ? L"Tenukiro" : L"", style, x, y,
                            area.right - area.left, area.bottom - area.top, child ? parent : nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window_ == nullptr) return false;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProcedure));
  // The window exists with its size: the first record is loaded now, the first paint draws it.
  const Size client = ClientSize();
  surface_ = Raster(std::max(client.width, 0), std::max(client.height, 0));
  created_ = true;
  show_->OnCreate();
  InvalidateRect(window_, nullptr, FALSE);
  if (!takesFocus_) ShowWindow(window_, SW_SHOWNOACTIVATE);
  if (mode_ == Mode::FullScreen && takesFocus_) SetForegroundWindow(window_);
  return true;
}

Size ShowWindowWin32::ClientSize() const {
  RECT client{};
  if (window_ != nullptr) GetClientRect(window_, &client);
  return Size{client.right - client.left, client.bottom - client.top};
}

// A full-screen show is scaled against its own monitor, any other window against the primary one.
Size ShowWindowWin32::ScreenSize() const {
  if (mode_ == Mode::FullScreen) return Size{monitor_.right - monitor_.left, monitor_.bottom - monitor_.top};
  return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void ShowWindowWin32::ArmTimer(int intervalMs) {
  if (window_ != nullptr) SetTimer(window_, kShowTimer, static_cast<UINT>(std::max(intervalMs, 1)), nullptr);
}

void ShowWindowWin32::Present(const Rect& changed) {
  if (window_ == nullptr) return;
  HDC dc = GetDC(window_);
  CopyToScreen(dc, changed);
  ReleaseDC(window_, dc);
}

// The raster holds red, green and blue bytes; a 32-bit DIB wants blue, green, red and a spare byte.
void ShowWindowWin32::CopyToScreen(HDC dc, const Rect& area) {
  const int left = std::clamp(area.left, 0, surface_.width());
  const int top = std::clamp(area.top, 0, surface_.height());
  const int right = std::clamp(area.right, left, surface_.width());
  const int bottom = std::clamp(area.bottom, top, surface_.height());
  const int width = right - left;
  const int height = bottom - top;
  if (width == 0 || height == 0) return;
  rowPixels_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* source = surface_.Row(top + y) + static_cast<std::size_t>(left) * 3;
    std::uint32_t* target = rowPixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    for (int x = 0; x < width; ++x, source += 3) {
      target[x] = (std::uint32_t{source[0]} << 16) | (std::uint32_t{source[1]} << 8) | source[2];
    }
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, left, top, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                    static_cast<UINT>(height), rowPixels_.data(), &info, DIB_RGB_COLORS);
}

LRESULT CALLBACK ShowWindowWin32::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ShowWindowWin32*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->OnMessage(message, wParam, lParam);
}

LRESULT ShowWindowWin32::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_;
  LRESULT result = 0;
  if (session_ != nullptr && session_->OnMessage(window, message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_TIMER:
      if (wParam != kShowTimer) break;
      show_->OnTimer();
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_KEYDOWN:
      if (mode_ == Mode::Windowed && wParam == VK_ESCAPE) {
        DestroyWindow(window_);
        return 0;
      }
      break;
    case WM_DESTROY:
      KillTimer(window_, kShowTimer);
      if (mode_ != Mode::DialogPreview) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      window_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A new size makes the show draw the whole picture again; otherwise the raster already holds it.
void ShowWindowWin32::OnPaint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window_, &paint);
  const Size client = ClientSize();
  if (created_ && (surface_.width() != client.width || surface_.height() != client.height || !painted_)) {
    if (surface_.width() != client.width || surface_.height() != client.height) {
      surface_ = Raster(client.width, client.height);
    }
    painted_ = true;
    show_->OnPaint();
  }
  CopyToScreen(dc, Rect{paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right, paint.rcPaint.bottom});
  EndPaint(window_, &paint);
}

}  // namespace tenukiro

#include "config/win32/preview_window_win32.h"

#include "config/win32/dialog_window.h"

namespace tenukiro {
namespace {

constexpr wchar_t kClassName[] = L"TenukiroConfigPreview";
constexpr UINT_PTR kShowTimer = 1;

void RegisterPreviewClass(WNDPROC procedure) {
  WNDCLASSW windowClass{};
  if (GetClassInfoW(ResourceModule(), kClassName, &windowClass)) return;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ResourceModule();
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);
}

}  // namespace

PreviewWindowWin32::PreviewWindowWin32(const Profile& profile, const std::string& programDirectory,
                                       SphereImageRenderer* spheres)
    : show_(std::make_unique<CShowWnd>(profile, *this, programDirectory, spheres)) {}

PreviewWindowWin32::~PreviewWindowWin32() {
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void PreviewWindowWin32::Create(HWND parent, const RECT& area) {
  RegisterPreviewClass(Procedure);
  window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, area.left, area.top, area.right - area.left,
                            area.bottom - area.top, parent, nullptr, ResourceModule(), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  const Size client = ClientSize();
  surface_ = Raster(client.width, client.height);
  // The dialog hands its settings to the show before the first paint.
  show_->OnCreate();
  show_->OnPaint();
}

Size PreviewWindowWin32::ClientSize() const {
  RECT client{};
  if (window_) GetClientRect(window_, &client);
  return Size{client.right, client.bottom};
}

Size PreviewWindowWin32::ScreenSize() const { return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

void PreviewWindowWin32::ArmTimer(int intervalMs) {
  if (window_) SetTimer(window_, kShowTimer, static_cast<UINT>(intervalMs), nullptr);
}

void PreviewWindowWin32::Present(const Rect& changed) {
  const RECT area = {changed.left, changed.top, changed.right, changed.bottom};
  if (window_) InvalidateRect(window_, &area, FALSE);
}

LRESULT CALLBACK PreviewWindowWin32::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<PreviewWindowWin32*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && message == WM_TIMER && wParam == kShowTimer) {
    self->show_->OnTimer();
    return 0;
  }
  if (self && message == WM_PAINT) {
    self->Paint();
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return DefWindowProcW(window, message, wParam, lParam);
}

void PreviewWindowWin32::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  const int width = surface_.width();
  const int height = surface_.height();
  if (width > 0 && height > 0) {
    // A device-independent bitmap keeps rows of blue, green, red bytes, each row a whole number of words.
    const int stride = (width * 3 + 3) & ~3;
    bgr_.assign(static_cast<size_t>(stride) * static_cast<size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
      const uint8_t* from = surface_.Row(y);
      uint8_t* to = bgr_.data() + static_cast<size_t>(y) * static_cast<size_t>(stride);
      for (int x = 0; x < width; ++x, from += 3, to += 3) {
        to[0] = from[2];
        to[1] = from[1];
        to[2] = from[0];
      }
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, as the surface is
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), bgr_.data(), &info, DIB_RGB_COLORS);
  }
  EndPaint(window_, &paint);
}

}  // namespace tenukiro

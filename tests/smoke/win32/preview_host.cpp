// Stands in for the system's screen-saver settings: makes a window, starts the saver as
// "/p HWND" inside it, and after a while reports on standard output what the saver made:
//   child 152x112      the preview window found inside ours, with its size
//   drawn 1            whether our window's pixels changed from its own background
//   exit 0             the saver's exit status after our window was destroyed
// Usage: preview_host.exe SAVER SECONDS. Exits 0 when a child covering the whole client area
// appeared and the saver ended by itself once our window was gone.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kClientWidth = 152;
constexpr int kClientHeight = 112;
constexpr COLORREF kBackground = RGB(255, 0, 255);

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(20);
  }
}

HWND MakeHostWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = CreateSolidBrush(kBackground);
  windowClass.lpszClassName = L"PreviewHost";
  RegisterClassW(&windowClass);
  RECT area{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&area, WS_OVERLAPPEDWINDOW, FALSE);
  return CreateWindowW(L"PreviewHost", L"Preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10,
                       area.right - area.left, area.bottom - area.top, nullptr, nullptr, windowClass.hInstance,
                       nullptr);
}

// Whether any pixel of the client area differs from the host's own background.
bool AnythingDrawn(HWND window) {
  HDC dc = GetDC(window);
  bool drawn = false;
  for (int y = 2; y < kClientHeight && !drawn; y += 7) {
    for (int x = 2; x < kClientWidth && !drawn; x += 7) drawn = GetPixel(dc, x, y) != kBackground;
  }
  ReleaseDC(window, dc);
  return drawn;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: preview_host SAVER SECONDS\n");
    return 2;
  }
  HWND host = MakeHostWindow();
  PumpFor(300);
  std::string command = "\"";
  command.append(argv[1]).append("\" /p ").append(std::to_string(reinterpret_cast<uintptr_t>(host)));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::printf("start failed\n");
    return 1;
  }
  PumpFor(static_cast<DWORD>(std::atoi(argv[2]) * 1000));
  HWND child = FindWindowExW(host, nullptr, L"TenukiroPreview", nullptr);
  RECT childArea{};
  if (child) GetClientRect(child, &childArea);
  std::printf("child %ldx%ld\n", childArea.right, childArea.bottom);
  std::printf("drawn %d\n", AnythingDrawn(host) ? 1 : 0);
  DestroyWindow(host);
  const bool ended = WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0;
  DWORD status = 259;
  GetExitCodeProcess(process.hProcess, &status);
  std::printf("exit %lu\n", ended ? status : 259UL);
  std::fflush(stdout);
  const bool whole = child && childArea.right == kClientWidth && childArea.bottom == kClientHeight;
  return whole && ended && status == 0 ? 0 : 1;
}

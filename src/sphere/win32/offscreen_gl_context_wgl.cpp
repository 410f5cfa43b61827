#include "sphere/offscreen_gl_context.h"

#include <windows.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "sphere/bgra_image.h"

namespace tenukiro {

// WGL renders into a 32-bit bottom-up DIB section selected into a memory device context: with
// some GL implementations 24-bit and top-down bitmaps come out wrong. A bitmap's context cannot
// follow it to another bitmap, so a larger image makes both anew.
struct GlTarget {
  static constexpr BYTE kDepthBits = 32;

  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previousBitmap = nullptr;
  HGLRC context = nullptr;
  void* bits = nullptr;
  int width = 0;
  int height = 0;

  GlTarget() = default;
  GlTarget(const GlTarget&) = delete;
  GlTarget& operator=(const GlTarget&) = delete;
  ~GlTarget() { Destroy(); }

  bool Make(int newWidth, int newHeight) {
    Destroy();
    dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = newWidth;
    info.bmiHeader.biHeight = newHeight;  // positive: the bottom row comes first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) return false;
    previousBitmap = SelectObject(dc, bitmap);
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_BITMAP | PFD_SUPPORT_OPENGL | PFD_SUPPORT_GDI;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 32;
    format.cDepthBits = kDepthBits;
    format.iLayerType = PFD_MAIN_PLANE;
    const int chosen = ChoosePixelFormat(dc, &format);
    if (chosen == 0 || !SetPixelFormat(dc, chosen, &format)) return false;
    context = wglCreateContext(dc);
    if (context == nullptr) return false;
    width = newWidth;
    height = newHeight;
    return true;
  }

  void Destroy() {
    if (context != nullptr) {
      if (wglGetCurrentContext() == context) wglMakeCurrent(nullptr, nullptr);
      wglDeleteContext(context);
    }
    if (previousBitmap != nullptr) SelectObject(dc, previousBitmap);
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (dc != nullptr) DeleteDC(dc);
    dc = nullptr;
    bitmap = nullptr;
    previousBitmap = nullptr;
    context = nullptr;
    bits = nullptr;
    width = height = 0;
  }

  bool MakeCurrent() const { return context != nullptr && wglMakeCurrent(dc, context); }

  std::span<const std::uint8_t> Pixels() const {
    return {static_cast<const std::uint8_t*>(bits), static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4};
  }
};

// The smallest bitmap made; the sphere images of a screen are mostly smaller.
constexpr int kFirstSide = 128;

OffscreenGlContext::OffscreenGlContext() = default;

OffscreenGlContext::~OffscreenGlContext() { Release(); }

bool OffscreenGlContext::Create() {
  if (target_) return true;
  auto target = std::make_unique<GlTarget>();
  if (!target->Make(kFirstSide, kFirstSide)) return false;
  target_ = std::move(target);
  return true;
}

bool OffscreenGlContext::Begin(int width, int height) {
  if (!target_ || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  if (width > target_->width || height > target_->height) {
    if (!target_->Make(std::max(width, target_->width), std::max(height, target_->height))) {
      target_.reset();
      return false;
    }
  }
  width_ = width;
  height_ = height;
  GdiFlush();
  // Zeroed so that a GL that silently draws nothing leaves a black image the self-test catches.
  std::memset(target_->bits, 0, target_->Pixels().size());
  if (!target_->MakeCurrent()) return false;
  Setup();
  return true;
}

void OffscreenGlContext::Finish() {
  if (!target_ || !target_->MakeCurrent()) return;
  Draw();
  glFinish();
  GdiFlush();
}

void OffscreenGlContext::ReadPixels(Raster& image) const {
  if (!target_ || image.width() != width_ || image.height() != height_) return;
  CopyBottomUpBgra(target_->Pixels(), target_->width, image);
}

void OffscreenGlContext::Release() {
  target_.reset();
  width_ = height_ = 0;
}

}  // namespace tenukiro

#include "sphere/offscreen_gl_context.h"

#include <GL/osmesa.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sphere/bgra_image.h"

namespace tenukiro {

// OSMesa renders into memory of our own, four bytes per pixel in BGRA order: with llvmpipe,
// OSMESA_RGB gives corrupt pixels.
struct GlTarget {
  static constexpr GLint kDepthBits = 32;

  OSMesaContext context = nullptr;
  std::vector<std::uint8_t> buffer;
  int width = 0;
  int height = 0;

  ~GlTarget() {
    if (OSMesaGetCurrentContext() == context) OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);
    OSMesaDestroyContext(context);
  }

  void Prepare(int imageWidth, int imageHeight) {
    if (imageWidth > width || imageHeight > height) {
      width = std::max(imageWidth, width);
      height = std::max(imageHeight, height);
      buffer.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    }
    // Zeroed so that a GL that silently draws nothing leaves a black image the self-test catches.
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
  }

  // Rebinding every time is cheap and follows the buffer when it was reallocated.
  bool MakeCurrent() {
    if (buffer.empty()) return false;
    return OSMesaMakeCurrent(context, buffer.data(), GL_UNSIGNED_BYTE, width, height) == GL_TRUE;
  }
};

OffscreenGlContext::OffscreenGlContext() = default;

OffscreenGlContext::~OffscreenGlContext() { Release(); }

bool OffscreenGlContext::Create() {
  if (target_) return true;
  OSMesaContext context = OSMesaCreateContextExt(OSMESA_BGRA, GlTarget::kDepthBits, 0, 0, nullptr);
  if (context == nullptr) return false;
  target_ = std::make_unique<GlTarget>();
  target_->context = context;
  return true;
}

bool OffscreenGlContext::Begin(int width, int height) {
  if (!target_ || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  width_ = width;
  height_ = height;
  target_->Prepare(width, height);
  if (!target_->MakeCurrent()) return false;
  Setup();
  return true;
}

void OffscreenGlContext::Finish() {
  if (!target_ || !target_->MakeCurrent()) return;
  Draw();
  // The renderer works on threads of its own: glFlush alone may return before the pixels land.
  glFinish();
}

void OffscreenGlContext::ReadPixels(Raster& image) const {
  if (!target_ || image.width() != width_ || image.height() != height_) return;
  CopyBottomUpBgra(target_->buffer, target_->width, image);
}

void OffscreenGlContext::Release() {
  target_.reset();
  width_ = height_ = 0;
}

}  // namespace tenukiro

#pragma once

#include <memory>

#include "base/color.h"
#include "render/raster.h"
#include "sphere/lighting_parameters.h"
#include "sphere/sphere_images.h"

namespace tenukiro {

// The platform's GL context and the memory it draws into, kept opaque so that users of this
// header see no GL or system header.
struct GlTarget;

// A GL rendering context that draws into a memory buffer instead of a window. One context is made
// once and reused for image after image: making one costs far more than rendering a small image.
// Each image is rendered into the bottom-left corner of one buffer that only ever grows: a GL
// library may keep some memory for good every time its buffer changes size.
// Derived classes give the scene: `Setup` before the caller's settings, `Draw` after them.
class OffscreenGlContext {
 public:
  static constexpr int kMaxSide = kMaxSphereImageSide;

  OffscreenGlContext();
  OffscreenGlContext(const OffscreenGlContext&) = delete;
  OffscreenGlContext& operator=(const OffscreenGlContext&) = delete;
  virtual ~OffscreenGlContext();

  // Makes the GL context (true if it already exists); false when the library gives none.
  bool Create();
  // Binds a cleared target for a width × height image and runs the scene set-up; false when
  // there is no context or the size is refused.
  bool Begin(int width, int height);
  // Draws the scene and waits until all of it is in the target.
  void Finish();
  // Copies the target into an image of the same size, top row first.
  void ReadPixels(Raster& image) const;
  void Release();

  // The scene operations; the colour operations must follow SetViewport, which resets them.
  void SetViewport(int width, int height);
  void SetDiffuseColour(Color c);
  void SetClearColour(Color c);
  void SetSpecular(double level);
  void SetAmbient(double level);

 protected:
  virtual void Setup() = 0;
  virtual void Draw() = 0;
  void DefaultSetup();

 private:
  std::unique_ptr<GlTarget> target_;  // none until Create
  int width_ = 0;  // of the image being rendered
  int height_ = 0;
};

}  // namespace tenukiro

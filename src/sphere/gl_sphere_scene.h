#pragma once

#include "sphere/offscreen_gl_context.h"

namespace tenukiro {

// The lit sphere scene: a smooth sphere of radius 5 whose near cap, cut by the far plane, just
// touches the edges of the image.
class GlSphereScene : public OffscreenGlContext {
 protected:
  void Setup() override;
  void Draw() override;

 private:
  void DrawSphereList();

  unsigned sphereList_ = 0;
};

}  // namespace tenukiro

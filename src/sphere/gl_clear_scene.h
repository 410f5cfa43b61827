#pragma once

#include "sphere/offscreen_gl_context.h"

namespace tenukiro {

// A scene with nothing in it: the image becomes the clear colour.
class GlClearScene : public OffscreenGlContext {
 protected:
  void Setup() override;
  void Draw() override {}
};

}  // namespace tenukiro

#pragma once

#include "render/sphere_image_renderer.h"

namespace tenukiro {

// The sphere renderer the show and the command-line renderer hand to the drawing code: the GL
// renderer behind a cache of recent images. On Linux the renderer is the module found beside
// the program (see ModuleFilePath), loaded on the first sphere; its requests fail when the
// module is missing or GL cannot render here. On Windows it is linked in, and null when GL
// cannot render. Either way the stones and the assistant are then drawn flat.
SphereImageRenderer* SharedSphereRenderer();

}  // namespace tenukiro

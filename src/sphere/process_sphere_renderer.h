#pragma once

#include "render/sphere_image_renderer.h"

namespace tenukiro {

// The sphere renderer the show and the command-line renderer hand to the drawing code: the GL
// renderer of the module found beside the program (see ModuleFilePath), loaded on the first
// sphere, behind a cache of recent images. Its requests fail when the module is missing or GL
// cannot render here, and the stones and the assistant are then drawn flat.
SphereImageRenderer* ProcessSphereRenderer();

}  // namespace tenukiro

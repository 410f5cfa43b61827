#pragma once

#include "render/sphere_image_renderer.h"

namespace tenukiro {

// The sphere renderer the show and the command-line renderer hand to the drawing code: GL
// rendering behind a cache of recent images. Null when GL cannot render in this process (the
// stones and the assistant are then drawn flat).
SphereImageRenderer* ProcessSphereRenderer();

}  // namespace tenukiro

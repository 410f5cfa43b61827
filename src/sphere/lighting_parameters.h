#pragma once

#include <array>

namespace tenukiro {

// The scene values of the sphere renderer's one light. Setting a viewport resets them to these
// defaults; the colour operations then overwrite the ambient, diffuse and specular parts.
struct LightingParameters {
  using Rgba = std::array<float, 4>;

  double eyeDistance = -32.0;
  Rgba lightPosition = {100.0f, 100.0f, 300.0f, 1.0f};
  Rgba lightAmbient = {0.2f, 0.2f, 0.2f, 1.0f};
  Rgba lightDiffuse = {1.0f, 1.0f, 1.0f, 1.0f};
  Rgba lightSpecular = {1.0f, 1.0f, 1.0f, 1.0f};
  float constantAttenuation = 2.0f;
};

// The block shared by every rendering context of the process. Images are rendered one after
// another on the painting thread, so it needs no lock.
LightingParameters& SharedLightingParameters();

}  // namespace tenukiro

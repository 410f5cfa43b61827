#include "sphere/lighting_parameters.h"

namespace tenukiro {

LightingParameters& SharedLightingParameters() {
  static LightingParameters parameters;
  return parameters;
}

}  // namespace tenukiro

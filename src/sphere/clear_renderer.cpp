#include "sphere/clear_renderer.h"

namespace tenukiro {

void ClearRenderer::Setup() { DefaultSetup(); }

}  // namespace tenukiro

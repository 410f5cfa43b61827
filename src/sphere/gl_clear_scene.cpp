#include "sphere/gl_clear_scene.h"

namespace tenukiro {

void GlClearScene::Setup() { DefaultSetup(); }

}  // namespace tenukiro

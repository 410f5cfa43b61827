#pragma once

#include <string>

#include "render/sphere_image_renderer.h"
#include "settings/profile.h"
#include "shell/launch_options.h"

namespace tenukiro {

// Runs the show inside a window that another program owns (a preview window, the
// window XScreenSaver names, or the root window), drawing with plain Xlib so that
// it follows the window's size; returns when that window is destroyed or on SIGTERM.
int RunX11Preview(const Profile& profile, const PreviewTarget& target, const std::string& programDirectory,
                  SphereImageRenderer* spheres);

}  // namespace tenukiro

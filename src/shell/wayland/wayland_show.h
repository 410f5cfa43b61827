#pragma once

#include <string>

#include "render/sphere_image_renderer.h"
#include "settings/profile.h"

namespace tenukiro {

enum class WaylandShowKind {
  Saver,   // full screen over every output, ended by the saver's close rules
  Window,  // an ordinary window, ended by Escape or by closing it
};

// Runs the show on the Wayland session and returns the exit status: 0 when it ended as it
// should or the compositor went away, 1 when it cannot be shown (no compositor, no kind of
// surface it can make), with a one-line message.
int RunWaylandShow(const Profile& profile, WaylandShowKind kind, const std::string& programDirectory,
                   SphereImageRenderer* spheres);

}  // namespace tenukiro

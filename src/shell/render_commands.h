#pragma once

#include <iosfwd>
#include <string>

#include "settings/profile.h"
#include "shell/launch_options.h"

namespace tenukiro {

// The picture commands: --render (a snapshot of one record at a step, or the show's
// picture at a time) and --frames (one PNG per visible change of the show). The
// show runs on a simulated clock, so the same seed gives the same pictures.
// Returns the exit status.
int RunRenderCommand(const LaunchOptions& options, const Profile& profile, const std::string& programDirectory,
                     std::ostream& err);

}  // namespace tenukiro

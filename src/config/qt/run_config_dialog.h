#pragma once

#include <cstdint>

#include "config/qt/config_dialog_widget.h"

namespace tenukiro {

// Runs the configuration dialog modally, owned by the X11 window `owner` when it is
// not 0 (the dialog stays above it); OK writes the profile. Returns the exit status.
int RunConfigDialog(Profile& profile, ConfigDialogServices services, uint64_t owner);

}  // namespace tenukiro

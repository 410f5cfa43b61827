#pragma once

#include <iosfwd>
#include <string>

#include "replay/loaded_record.h"
#include "settings/settings_record.h"

namespace tenukiro {

// Plays a record in show order exactly as the show does and writes one JSON
// object per line and step: the node, the position and what the annotation steps
// made of it. A file that cannot be read plays the random game, as the show does.
// Returns the number of steps written.
long WriteReplayJson(const std::string& path, SettingsRecord& settings, std::ostream& out);

// The JSON line of the record's current step (without the newline).
std::string ReplayStepJson(const LoadedRecord& record, long step, int game);

}  // namespace tenukiro

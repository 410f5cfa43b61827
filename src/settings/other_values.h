#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/profile.h"
#include "settings/setting_table.h"

namespace tenukiro {

// Values of the "Config" section outside the show's settings record.

int32_t ReadMouseThreshold(const Profile& profile);  // pixels along either axis, default 100
int32_t ReadPasswordDelay(const Profile& profile);   // seconds, default 10

int32_t ReadLastPage(const Profile& profile);  // the dialog tab shown first, default 0
void WriteLastPage(Profile& profile, int32_t page);
std::string ReadInitialDir(const Profile& profile);  // the Add file dialog's folder, default empty
void WriteInitialDir(Profile& profile, const std::string& folder);

// The colour chooser's sixteen custom colours: white, except slot 0 which is the
// default board colour.
using CustomColours = std::array<Color, 16>;
CustomColours LoadCustomColours(const Profile& profile);
void SaveCustomColours(Profile& profile, const CustomColours& colours);

enum class PatternFile { Background, BlackStones, WhiteStones };
// The file name of a pattern bitmap ("BACKGR.BMP", "BLACKS.BMP", "WHITES.BMP" unless
// the profile names another one).
std::string PatternFileName(const Profile& profile, PatternFile which);

}  // namespace tenukiro

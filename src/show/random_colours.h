#pragma once

#include <functional>

#include "settings/settings_record.h"

namespace tenukiro {

// Draws a fresh colour scheme into the effective colours: a line colour with one
// channel forced to 0 or 255, a board colour that contrasts with it, stones from
// the line colour and its complement, and fixed screen and assistant colours.
// The profile values are never touched. Every draw goes through `random`, in a
// fixed order, so a seed reproduces the scheme.
void RandomizeColours(SettingsRecord& settings, const std::function<int(int)>& random);
void RandomizeColours(SettingsRecord& settings);

// Brightness of a colour, 0 to 1: the sum of its channels over 765.
double Brightness(Color c);

}  // namespace tenukiro

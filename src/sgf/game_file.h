#pragma once

#include <string>

#include "sgf/sgf_text.h"

namespace tenukiro {

// The record shown when no text can be had at all: an empty 19x19 game.
inline constexpr char kEmptyGameText[] = "(;FF[4]AP[Vuko:v2.0]GM[1]SZ[19])";

// The bytes of the file at `path`, taken as they are; a UTF-16 file with its byte-order mark
// becomes UTF-8 text. An empty path, or a path
// that is not a readable regular file (missing, a folder, a device, a pipe,
// unreadable, too large for memory), gives a random game instead.
SgfText ReadGameFile(const std::string& path);

// A 19x19 game of 360 random moves, B and W alternating, drawn from RandomInt;
// moves may fall on occupied points.
SgfText MakeRandomGameText();

}  // namespace tenukiro

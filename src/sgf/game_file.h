#pragma once

#include <cstddef>
#include <string>

#include "sgf/sgf_text.h"

namespace tenukiro {

// The record shown when no text can be had at all: an empty 19x19 game.
inline constexpr char kEmptyGameText[] = "(;FF[4]AP[Vuko:v2.0]GM[1]SZ[19])";

// A game tree must start within this many bytes of a file's beginning.
inline constexpr size_t kFirstTreeSearch = 64u << 20;

// Whether text of `size` bytes is too large to be searched whole and holds no '(' in its first
// kFirstTreeSearch bytes: it is then no record.
bool LacksGameTree(const char* bytes, size_t size);

// The bytes of the file at `path`, taken as they are from a copy-on-write mapping of it, so that
// only what is read costs memory; a UTF-16 file with its byte-order mark becomes UTF-8 text. An
// empty path, a path that is not a readable regular file (missing, a folder, a device, a pipe,
// unreadable), and a file without a game tree in its first 64 MB (said on standard error) give
// a random game instead.
SgfText ReadGameFile(const std::string& path);

// A 19x19 game of 360 random moves, B and W alternating, drawn from RandomInt;
// moves may fall on occupied points.
SgfText MakeRandomGameText();

}  // namespace tenukiro

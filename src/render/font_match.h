#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tenukiro {

// A font file chosen for a face name, and the family it really holds.
struct FontFile {
  std::string path;
  int index = 0;
  std::string family;
};

// Asks fontconfig for the face, with the metric-compatible Liberation faces standing in for
// "Arial" and "Arial Narrow". fontconfig always answers with some font, so the family it returns
// is checked; a missing narrow face falls back to the normal one, then to any sans-serif face.
std::optional<FontFile> MatchFont(std::string_view faceName, int weight, bool italic);

// A sans-serif font that has a glyph for the code point, as fontconfig ranks them.
std::optional<FontFile> MatchFontWithChar(char32_t code);

}  // namespace tenukiro

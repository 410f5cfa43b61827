#include "sgf/game_file.h"

#include "base/whole_file.h"
#include "base/random_source.h"
#include "sgf/utf16_text.h"

namespace tenukiro {
namespace {

constexpr int kRandomMoves = 360;

// Reads straight into the buffer the parser will use, so the file is never copied (only a UTF-16
// file is turned into UTF-8).
bool ReadGameText(const std::string& path, SgfText& text) {
  WholeFile file;
  if (!ReadRegularFile(path, file)) return false;
  TextBuffer read = Utf16ToUtf8(TextBuffer{std::move(file.bytes), file.size});
  text = SgfText(std::move(read.bytes), read.size);
  return true;
}

}  // namespace

SgfText MakeRandomGameText() {
  std::string text = "(;FF[4]AP[Vuko:v2.0]GM[1]SZ[19]";
  text.reserve(text.size() + kRandomMoves * 6 + 1);
  for (int i = 0; i < kRandomMoves; ++i) {
    const char column = static_cast<char>('a' + RandomInt(19));
    const char row = static_cast<char>('a' + RandomInt(19));
    const char move[] = {';', i % 2 == 0 ? 'B' : 'W', '[', column, row, ']'};
    text.append(move, sizeof move);
  }
  text += ')';
  return SgfText(text);
}

SgfText ReadGameFile(const std::string& path) {
  SgfText text;
  if (path.empty() || !ReadGameText(path, text)) return MakeRandomGameText();
  return text;
}

}  // namespace tenukiro

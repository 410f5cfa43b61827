#include "sgf/game_file.h"

#include <cstdio>
#include <cstring>

#include "base/mapped_file.h"
#include "base/random_source.h"
#include "sgf/utf16_text.h"

namespace tenukiro {
namespace {

constexpr int kRandomMoves = 360;

bool StartsWithUtf16Mark(const MappedFile& file) {
  if (file.Size() < 2) return false;
  const auto first = static_cast<unsigned char>(file.Bytes()[0]);
  const auto second = static_cast<unsigned char>(file.Bytes()[1]);
  return (first == 0xFF && second == 0xFE) || (first == 0xFE && second == 0xFF);
}

// A UTF-16 file is read whole and made UTF-8; any other file is read through its mapping.
bool ReadGameText(std::unique_ptr<MappedFile> file, SgfText& text) {
  if (!StartsWithUtf16Mark(*file)) {
    text = SgfText(std::move(file));
    return true;
  }
  TextBuffer bytes{std::make_unique_for_overwrite<char[]>(file->Size() + 1), file->Size()};
  if (!RunGuarded(*file, [&] { std::memcpy(bytes.bytes.get(), file->Bytes(), file->Size()); })) return false;
  const TextBuffer read = Utf16ToUtf8(std::move(bytes));
  text = SgfText(std::string_view(read.bytes.get(), read.size));
  return true;
}

}  // namespace

bool LacksGameTree(const char* bytes, size_t size) {
  return size > kFirstTreeSearch && !std::memchr(bytes, '(', kFirstTreeSearch);
}

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
  std::unique_ptr<MappedFile> file = path.empty() ? nullptr : MappedFile::Open(path);
  if (!file) return MakeRandomGameText();
  bool lacksTree = false;
  if (!RunGuarded(*file, [&] { lacksTree = LacksGameTree(file->Bytes(), file->Size()); })) {
    return MakeRandomGameText();
  }
  if (lacksTree) {
    std::fprintf(stderr, "tenukiro: %s is not a game record (no '(' in its first %zu MB); a random game is shown\n",
                 path.c_str(), kFirstTreeSearch >> 20);
    return MakeRandomGameText();
  }
  SgfText text;
  if (!ReadGameText(std::move(file), text)) return MakeRandomGameText();
  return text;
}

}  // namespace tenukiro

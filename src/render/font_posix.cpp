#include "render/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <tuple>
#include <unordered_map>

#include "render/font_match.h"

namespace tenukiro {

namespace {
// A face at this height that has a glyph for the code point, for characters the chosen face lacks
// (CJK in Liberation Sans): fontconfig picks it. Null when no installed font has one. Called with
// the registry locked.
SizedFace* FallbackFace(char32_t code, int height);
}  // namespace

// One face file at one pixel height, with the glyphs rendered so far.
class SizedFace {
 public:
  SizedFace(FT_Face face, std::string family, int height);

  int ascent() const { return ascent_; }
  const std::string& family() const { return family_; }
  const Glyph& GlyphFor(char32_t code);

 private:
  static constexpr std::size_t kMaxGlyphs = 2048;

  Glyph Render(char32_t code) const;

  FT_Face face_;
  int height_;
  std::string family_;
  FT_F26Dot6 charSize_ = 0;
  int ascent_ = 0;
  std::unordered_map<char32_t, Glyph> glyphs_;
};

namespace {

// The process-wide FreeType state. It is never destroyed: fonts may be used until the very end.
struct FontRegistry {
  static constexpr std::size_t kMaxSizes = 256;

  std::mutex mutex;
  FT_Library library = nullptr;
  std::map<std::tuple<std::string, int, bool>, std::optional<FontFile>> matches;
  std::map<std::pair<std::string, int>, FT_Face> faces;
  std::map<std::tuple<std::string, int, int>, std::shared_ptr<SizedFace>> sizes;
  // Fonts found for characters the chosen faces lack, tried in turn before fontconfig is asked,
  // and the characters no font has.
  std::vector<FontFile> fallbacks;
  std::set<char32_t> uncovered;

  static FontRegistry& Get() {
    static FontRegistry* registry = new FontRegistry;
    return *registry;
  }

  FT_Face Face(const FontFile& file) {
    const auto key = std::make_pair(file.path, file.index);
    if (auto it = faces.find(key); it != faces.end()) return it->second;
    FT_Face face = nullptr;
    if (!library && FT_Init_FreeType(&library) != 0) return nullptr;
    if (FT_New_Face(library, file.path.c_str(), file.index, &face) != 0) face = nullptr;
    if (face && !FT_IS_SCALABLE(face)) {
      FT_Done_Face(face);
      face = nullptr;
    }
    faces[key] = face;
    return face;
  }

  // The face of a file at a height, made once and kept while the cache allows.
  std::shared_ptr<SizedFace> Sized(const FontFile& file, FT_Face face, int height) {
    const auto key = std::make_tuple(file.path, file.index, height);
    auto sized = sizes.find(key);
    if (sized == sizes.end()) {
      // Fonts already made keep their sizes alive; the cache only forgets them.
      if (sizes.size() >= kMaxSizes) sizes.clear();
      sized = sizes.emplace(key, std::make_shared<SizedFace>(face, file.family, height)).first;
    }
    return sized->second;
  }

  FT_Face FallbackFile(char32_t code, FontFile& found) {
    for (const FontFile& file : fallbacks) {
      FT_Face face = Face(file);
      if (face && FT_Get_Char_Index(face, code) != 0) {
        found = file;
        return face;
      }
    }
    if (uncovered.count(code) != 0) return nullptr;
    if (auto file = MatchFontWithChar(code)) {
      FT_Face face = Face(*file);
      if (face && FT_Get_Char_Index(face, code) != 0) {
        fallbacks.push_back(*file);
        found = *file;
        return face;
      }
    }
    if (uncovered.size() >= kMaxUncovered) uncovered.clear();
    uncovered.insert(code);
    return nullptr;
  }

  static constexpr std::size_t kMaxUncovered = 4096;
};

SizedFace* FallbackFace(char32_t code, int height) {
  FontRegistry& registry = FontRegistry::Get();
  FontFile file;
  FT_Face face = registry.FallbackFile(code, file);
  return face ? registry.Sized(file, face, height).get() : nullptr;
}

// The design units of ascent and descent that a Windows font height spans.
std::pair<long, long> WinMetrics(FT_Face face) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->usWinAscent + os2->usWinDescent > 0) return {os2->usWinAscent, os2->usWinDescent};
  return {face->ascender, -face->descender};
}

}  // namespace

SizedFace::SizedFace(FT_Face face, std::string family, int height)
    : face_(face), height_(height), family_(std::move(family)) {
  auto [ascent, descent] = WinMetrics(face);
  const long units = std::max(1L, ascent + descent);
  charSize_ = static_cast<FT_F26Dot6>(std::lround(64.0 * height * face->units_per_EM / units));
  ascent_ = static_cast<int>(std::lround(static_cast<double>(height) * ascent / units));
}

const Glyph& SizedFace::GlyphFor(char32_t code) {
  if (auto it = glyphs_.find(code); it != glyphs_.end()) return it->second;
  if (glyphs_.size() >= kMaxGlyphs) glyphs_.clear();
  return glyphs_.emplace(code, Render(code)).first->second;
}

Glyph SizedFace::Render(char32_t code) const {
  Glyph glyph;
  if (FT_Set_Char_Size(face_, 0, charSize_, 72, 72) != 0) return glyph;
  const FT_UInt index = FT_Get_Char_Index(face_, code);
  // Below U+00A0 a missing glyph is a control character or a hole in Windows-1252: nothing to find.
  if (index == 0 && code >= 0xA0) {
    if (SizedFace* fallback = FallbackFace(code, height_); fallback && fallback != this) return fallback->Render(code);
  }
  if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL) != 0) return glyph;
  FT_GlyphSlot slot = face_->glyph;
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return glyph;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.rows = static_cast<int>(bitmap.rows);
  glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.rows);
  for (int y = 0; y < glyph.rows; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    std::copy_n(row, glyph.width, glyph.coverage.begin() + static_cast<std::ptrdiff_t>(y) * glyph.width);
  }
  return glyph;
}

Font::Font(std::string_view faceName, int height, int weight, bool italic)
    : height_(std::clamp(height, 1, kMaxHeight)) {
  FontRegistry& registry = FontRegistry::Get();
  const std::lock_guard lock(registry.mutex);
  const auto matchKey = std::make_tuple(std::string(faceName), weight, italic);
  auto match = registry.matches.find(matchKey);
  if (match == registry.matches.end()) {
    match = registry.matches.emplace(matchKey, MatchFont(faceName, weight, italic)).first;
  }
  if (!match->second) return;
  FT_Face face = registry.Face(*match->second);
  if (!face) return;
  face_ = registry.Sized(*match->second, face, height_);
}

int Font::ascent() const { return face_ ? face_->ascent() : 0; }

std::string Font::family() const { return face_ ? face_->family() : std::string(); }

void Font::ForEachGlyph(std::u32string_view text, const std::function<void(char32_t, const Glyph&)>& fn) const {
  if (!face_) return;
  const std::lock_guard lock(FontRegistry::Get().mutex);
  for (char32_t code : text) fn(code, face_->GlyphFor(code));
}

}  // namespace tenukiro

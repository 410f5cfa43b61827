#include "render/font.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <tuple>
#include <unordered_map>

#include "base/win32/wide_text.h"

namespace tenukiro {

// One GDI font at one cell height, selected into a memory device context of its own, with the
// glyphs rendered so far. GDI's grey-scale outlines have 65 levels (0 to 64).
class SizedFace {
 public:
  SizedFace(std::string_view faceName, int height, int weight, bool italic);
  ~SizedFace();
  SizedFace(const SizedFace&) = delete;
  SizedFace& operator=(const SizedFace&) = delete;

  bool ok() const { return font_ != nullptr; }
  bool Has(char32_t code) const;
  int ascent() const { return ascent_; }
  const std::string& family() const { return family_; }
  const Glyph& GlyphFor(char32_t code);

 private:
  static constexpr std::size_t kMaxGlyphs = 2048;

  Glyph Render(char32_t code) const;

  HDC dc_ = nullptr;
  HFONT font_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  int ascent_ = 0;
  int height_ = 0;
  std::string family_;
  std::unordered_map<char32_t, Glyph> glyphs_;
};

namespace {

using SizeKey = std::tuple<std::string, int, int, bool>;

// Faces asked for the characters a face lacks (CJK in Arial), in turn: a glyph outline comes from
// one font only, without the system's font linking. The last ones are found where Wine runs.
constexpr const char* kFallbackFaces[] = {"Microsoft YaHei", "Yu Gothic", "Malgun Gothic", "MS Gothic",
                                          "SimSun",          "PMingLiU",  "WenQuanYi Micro Hei"};

struct FontRegistry {
  static constexpr std::size_t kMaxSizes = 256;

  std::mutex mutex;
  std::map<SizeKey, std::shared_ptr<SizedFace>> sizes;

  static FontRegistry& Get() {
    static FontRegistry* registry = new FontRegistry;
    return *registry;
  }

  // Null when the face cannot be made.
  std::shared_ptr<SizedFace> Sized(std::string_view faceName, int height, int weight, bool italic) {
    const SizeKey key = std::make_tuple(std::string(faceName), height, weight, italic);
    auto sized = sizes.find(key);
    if (sized == sizes.end()) {
      // Fonts already made keep their sizes alive; the cache only forgets them.
      if (sizes.size() >= kMaxSizes) sizes.clear();
      auto face = std::make_shared<SizedFace>(faceName, height, weight, italic);
      if (!face->ok()) face.reset();
      sized = sizes.emplace(key, std::move(face)).first;
    }
    return sized->second;
  }
};

// A face of this height that has the character; null when none of the fallbacks has it. Called
// with the registry locked.
SizedFace* FallbackFace(char32_t code, int height) {
  for (const char* name : kFallbackFaces) {
    SizedFace* face = FontRegistry::Get().Sized(name, height, 400, false).get();
    if (face && face->Has(code)) return face;
  }
  return nullptr;
}

constexpr int kGreyLevels = 64;

}  // namespace

SizedFace::SizedFace(std::string_view faceName, int height, int weight, bool italic) : height_(height) {
  LOGFONTW description{};
  description.lfHeight = height;  // positive: the cell height, ascent + descent
  description.lfWeight = weight;
  description.lfItalic = italic ? TRUE : FALSE;
  description.lfCharSet = DEFAULT_CHARSET;
  description.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  description.lfQuality = ANTIALIASED_QUALITY;
  description.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  const std::wstring name = WideFromUtf8(faceName);
  std::copy_n(name.begin(), std::min<std::size_t>(name.size(), LF_FACESIZE - 1), description.lfFaceName);
  dc_ = CreateCompatibleDC(nullptr);
  if (dc_ == nullptr) return;
  font_ = CreateFontIndirectW(&description);
  if (font_ == nullptr) return;
  previous_ = SelectObject(dc_, font_);
  TEXTMETRICW metrics{};
  if (GetTextMetricsW(dc_, &metrics)) ascent_ = metrics.tmAscent;
  wchar_t face[LF_FACESIZE] = {};
  const int length = GetTextFaceW(dc_, LF_FACESIZE, face);
  if (length > 0) family_ = Utf8FromWide(std::wstring_view(face, static_cast<std::size_t>(length - 1)));
}

SizedFace::~SizedFace() {
  if (previous_ != nullptr) SelectObject(dc_, previous_);
  if (font_ != nullptr) DeleteObject(font_);
  if (dc_ != nullptr) DeleteDC(dc_);
}

bool SizedFace::Has(char32_t code) const {
  if (code > 0xFFFF) return false;
  const wchar_t character = static_cast<wchar_t>(code);
  WORD index = 0xFFFF;
  return GetGlyphIndicesW(dc_, &character, 1, &index, GGI_MARK_NONEXISTING_GLYPHS) == 1 && index != 0xFFFF;
}

const Glyph& SizedFace::GlyphFor(char32_t code) {
  if (auto it = glyphs_.find(code); it != glyphs_.end()) return it->second;
  if (glyphs_.size() >= kMaxGlyphs) glyphs_.clear();
  return glyphs_.emplace(code, Render(code)).first->second;
}

// Characters beyond the first plane have no outline through a character code: they draw nothing.
Glyph SizedFace::Render(char32_t code) const {
  Glyph glyph;
  if (code > 0xFFFF) return glyph;
  // Below U+00A0 a missing glyph is a control character or a hole in Windows-1252: nothing to find.
  if (code >= 0xA0 && !Has(code)) {
    if (SizedFace* fallback = FallbackFace(code, height_); fallback && fallback != this) return fallback->Render(code);
  }
  const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  GLYPHMETRICS metrics{};
  const DWORD size = GetGlyphOutlineW(dc_, static_cast<UINT>(code), GGO_GRAY8_BITMAP, &metrics, 0, nullptr, &identity);
  if (size == GDI_ERROR) return glyph;
  glyph.advance = metrics.gmCellIncX;
  // A blank glyph (a space) has an advance and no bitmap.
  if (size == 0) return glyph;
  std::vector<std::uint8_t> bitmap(size);
  if (GetGlyphOutlineW(dc_, static_cast<UINT>(code), GGO_GRAY8_BITMAP, &metrics, size, bitmap.data(), &identity) ==
      GDI_ERROR) {
    return glyph;
  }
  glyph.left = metrics.gmptGlyphOrigin.x;
  glyph.top = metrics.gmptGlyphOrigin.y;
  glyph.width = static_cast<int>(metrics.gmBlackBoxX);
  glyph.rows = static_cast<int>(metrics.gmBlackBoxY);
  const std::size_t pitch = (static_cast<std::size_t>(glyph.width) + 3) & ~std::size_t{3};
  if (pitch * static_cast<std::size_t>(glyph.rows) > bitmap.size()) {
    glyph.width = glyph.rows = 0;
    return glyph;
  }
  glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.rows));
  for (int y = 0; y < glyph.rows; ++y) {
    for (int x = 0; x < glyph.width; ++x) {
      const int level = std::min<int>(bitmap[static_cast<std::size_t>(y) * pitch + static_cast<std::size_t>(x)], kGreyLevels);
      glyph.coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(glyph.width) + static_cast<std::size_t>(x)] =
          static_cast<std::uint8_t>((level * 255 + kGreyLevels / 2) / kGreyLevels);
    }
  }
  return glyph;
}

Font::Font(std::string_view faceName, int height, int weight, bool italic)
    : height_(std::clamp(height, 1, kMaxHeight)) {
  FontRegistry& registry = FontRegistry::Get();
  const std::lock_guard lock(registry.mutex);
  face_ = registry.Sized(faceName, height_, weight, italic);
}

int Font::ascent() const { return face_ ? face_->ascent() : 0; }

std::string Font::family() const { return face_ ? face_->family() : std::string(); }

void Font::ForEachGlyph(std::u32string_view text, const std::function<void(char32_t, const Glyph&)>& fn) const {
  if (!face_) return;
  const std::lock_guard lock(FontRegistry::Get().mutex);
  for (char32_t code : text) fn(code, face_->GlyphFor(code));
}

}  // namespace tenukiro

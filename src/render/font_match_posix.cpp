#include "render/font_match.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <cstring>
#include <vector>

namespace tenukiro {
namespace {

std::vector<std::string> Candidates(std::string_view faceName) {
  const auto is = [&](const char* name) {
    return faceName.size() == std::strlen(name) && strncasecmp(faceName.data(), name, faceName.size()) == 0;
  };
  if (is("Arial Narrow")) return {"Liberation Sans Narrow", "Liberation Sans", "sans-serif"};
  if (is("Arial")) return {"Liberation Sans", "sans-serif"};
  return {std::string(faceName), "sans-serif"};
}

bool HasFamily(FcPattern* font, const std::string& family) {
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (strcasecmp(reinterpret_cast<const char*>(name), family.c_str()) == 0) return true;
  }
  return false;
}

std::optional<FontFile> Describe(FcPattern* font) {
  FcChar8* file = nullptr;
  FcChar8* family = nullptr;
  int index = 0;
  if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return std::nullopt;
  FcPatternGetInteger(font, FC_INDEX, 0, &index);
  FcPatternGetString(font, FC_FAMILY, 0, &family);
  return FontFile{reinterpret_cast<const char*>(file), index,
                  family ? reinterpret_cast<const char*>(family) : ""};
}

// The best font of one family; the generic last candidate accepts whatever fontconfig offers.
std::optional<FontFile> MatchFamily(const std::string& family, int weight, bool italic, bool anyFamily) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* font = FcFontMatch(nullptr, pattern, &result);
  std::optional<FontFile> found;
  if (font && (anyFamily || HasFamily(font, family))) found = Describe(font);
  if (found && !anyFamily) found->family = family;
  if (font) FcPatternDestroy(font);
  FcPatternDestroy(pattern);
  return found;
}

}  // namespace

std::optional<FontFile> MatchFontWithChar(char32_t code) {
  if (!FcInit()) return std::nullopt;
  FcPattern* pattern = FcPatternCreate();
  FcCharSet* chars = FcCharSetCreate();
  FcCharSetAddChar(chars, code);
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
  FcPatternAddCharSet(pattern, FC_CHARSET, chars);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* font = FcFontMatch(nullptr, pattern, &result);
  std::optional<FontFile> found;
  FcCharSet* has = nullptr;
  if (font && FcPatternGetCharSet(font, FC_CHARSET, 0, &has) == FcResultMatch && FcCharSetHasChar(has, code)) {
    found = Describe(font);
  }
  if (font) FcPatternDestroy(font);
  FcCharSetDestroy(chars);
  FcPatternDestroy(pattern);
  return found;
}

std::optional<FontFile> MatchFont(std::string_view faceName, int weight, bool italic) {
  if (!FcInit()) return std::nullopt;
  const std::vector<std::string> candidates = Candidates(faceName);
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (auto found = MatchFamily(candidates[i], weight, italic, i + 1 == candidates.size())) return found;
  }
  return std::nullopt;
}

}  // namespace tenukiro

#include <iconv.h>

#include <windows.h>

#include <cerrno>
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "base/text_compare.h"

namespace {

struct CodePageName {
  std::string_view name;
  UINT codePage;
};

constexpr UINT kGb18030 = 54936;
constexpr UINT kGbk = 936;

// The charsets the decoder asks for, under their iconv names.
constexpr CodePageName kCodePages[] = {
    {"CP932", 932},       {"GB18030", kGb18030}, {"BIG5-HKSCS", 950}, {"BIG5", 950},     {"CP949", 949},
    {"CP936", 936},       {"EUC-JP", 20932},  {"KOI8-R", 20866},   {"KOI8-U", 21866}, {"UTF-8", CP_UTF8},
    {"ISO-2022-JP", 50220}, {"TIS-620", 874},
};

// "WINDOWS-1251", "CP1251", "ISO-8859-5" and the names of the table; 0 for an unknown name.
UINT CodePageOf(std::string_view name) {
  for (const CodePageName& entry : kCodePages) {
    if (tenukiro::EqualsIgnoringCase(name, entry.name)) return entry.codePage;
  }
  const auto numberAfter = [&](std::string_view prefix) -> UINT {
    if (name.size() <= prefix.size() || !tenukiro::EqualsIgnoringCase(name.substr(0, prefix.size()), prefix)) return 0;
    UINT value = 0;
    for (char c : name.substr(prefix.size())) {
      if (c < '0' || c > '9' || value > 100000) return 0;
      value = value * 10 + static_cast<UINT>(c - '0');
    }
    return value;
  };
  if (UINT n = numberAfter("WINDOWS-")) return n;
  if (UINT n = numberAfter("CP")) return n;
  if (UINT n = numberAfter("ISO-8859-"); n >= 1 && n <= 16) return 28590 + n;
  return 0;
}

struct Conversion {
  UINT codePage;
};

// The code point of the first `length` bytes when they are exactly one character; 0 otherwise.
char32_t DecodeOne(UINT codePage, const char* bytes, int length) {
  wchar_t wide[4];
  const int count = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, length, wide, 4);
  if (count == 1 && !(wide[0] >= 0xD800 && wide[0] < 0xE000)) return wide[0];
  if (count == 2 && wide[0] >= 0xD800 && wide[0] < 0xDC00 && wide[1] >= 0xDC00 && wide[1] < 0xE000) {
    return 0x10000 + ((static_cast<char32_t>(wide[0]) - 0xD800) << 10) + (wide[1] - 0xDC00);
  }
  return 0;
}

}  // namespace

iconv_t iconv_open(const char* to, const char* from) {
  UINT codePage = CodePageOf(from ? from : "");
  // A system without the GB18030 code page still has GBK, which holds all of GB2312.
  if (codePage == kGb18030 && !IsValidCodePage(codePage)) codePage = kGbk;
  if (!to || !tenukiro::EqualsIgnoringCase(to, "UTF-32LE") || codePage == 0 || !IsValidCodePage(codePage)) {
    errno = EINVAL;
    return reinterpret_cast<iconv_t>(-1);
  }
  return new Conversion{codePage};
}

// Converts character by character: the longest character of these charsets is four bytes.
std::size_t iconv(iconv_t cd, char** in, std::size_t* inLeft, char** out, std::size_t* outLeft) {
  if (!in || !*in || !inLeft) return 0;  // a reset: no shift state is kept between calls
  const auto* conversion = static_cast<const Conversion*>(cd);
  while (*inLeft > 0) {
    if (*outLeft < sizeof(char32_t)) {
      errno = E2BIG;
      return static_cast<std::size_t>(-1);
    }
    char32_t code = 0;
    int length = 1;
    const int longest = static_cast<int>(std::min<std::size_t>(*inLeft, 4));
    for (; length <= longest; ++length) {
      // A NUL byte is a character of its own; MultiByteToWideChar would read it as an end.
      if ((*in)[0] == '\0') {
        code = U'\0';
        break;
      }
      code = DecodeOne(conversion->codePage, *in, length);
      if (code != 0) break;
    }
    if (length > longest) {
      errno = *inLeft < 4 ? EINVAL : EILSEQ;
      return static_cast<std::size_t>(-1);
    }
    std::memcpy(*out, &code, sizeof code);
    *out += sizeof code;
    *outLeft -= sizeof code;
    *in += length;
    *inLeft -= static_cast<std::size_t>(length);
  }
  return 0;
}

int iconv_close(iconv_t cd) {
  delete static_cast<Conversion*>(cd);
  return 0;
}

#include "sgf/utf16_text.h"

#include <new>

#include "base/utf8.h"

namespace tenukiro {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

class Utf16Units {
 public:
  Utf16Units(const char* bytes, size_t size, bool bigEndian) : bytes_(bytes), size_(size), bigEndian_(bigEndian) {}

  bool AtEnd() const { return at_ >= size_; }
  // The next code point; a lone surrogate or a last odd byte reads as U+FFFD.
  char32_t Next() {
    if (size_ - at_ < 2) {
      at_ = size_;
      return kReplacement;
    }
    const char32_t unit = Unit(at_);
    at_ += 2;
    if (IsLowSurrogate(unit)) return kReplacement;
    if (!IsHighSurrogate(unit)) return unit;
    if (size_ - at_ < 2 || !IsLowSurrogate(Unit(at_))) return kReplacement;
    const char32_t low = Unit(at_);
    at_ += 2;
    return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
  }

 private:
  char32_t Unit(size_t at) const {
    const auto first = static_cast<unsigned char>(bytes_[at]);
    const auto second = static_cast<unsigned char>(bytes_[at + 1]);
    return bigEndian_ ? (first << 8 | second) : (second << 8 | first);
  }

  const char* bytes_;
  size_t size_;
  bool bigEndian_;
  size_t at_ = 2;  // past the byte-order mark
};

}  // namespace

TextBuffer Utf16ToUtf8(TextBuffer text) {
  if (text.size < 2) return text;
  const auto first = static_cast<unsigned char>(text.bytes[0]);
  const auto second = static_cast<unsigned char>(text.bytes[1]);
  const bool little = first == 0xFF && second == 0xFE;
  const bool big = first == 0xFE && second == 0xFF;
  if (!little && !big) return text;
  // Each unit of two bytes gives at most three bytes of UTF-8, a pair of four at most four.
  const size_t capacity = text.size / 2 * 3 + 4;
  std::unique_ptr<char[]> utf8(new (std::nothrow) char[capacity]);
  if (!utf8) return text;
  size_t length = 0;
  for (Utf16Units units(text.bytes.get(), text.size, big); !units.AtEnd();) length += PutUtf8(units.Next(), utf8.get() + length);
  return TextBuffer{std::move(utf8), length};
}

}  // namespace tenukiro

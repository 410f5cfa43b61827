#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace tenukiro {

// The record text and the parse position, owned by the show between parse calls.
// The text is normalised in place as the parser reaches it (never all at once), so
// the first game of a large collection is ready without touching the rest. When
// the whole text has been parsed the buffer is freed: IsGone() then tells the rest
// of the program that there is nothing more to parse.
class SgfText {
 public:
  // No text: already gone.
  SgfText() = default;
  // A copy of `bytes`.
  explicit SgfText(std::string_view bytes);
  // Takes a buffer of `size` bytes followed by room for one more (the NUL).
  SgfText(std::unique_ptr<char[]> buffer, size_t size);

  SgfText(SgfText&&) = default;
  SgfText& operator=(SgfText&&) = default;

  bool IsGone() const { return !buffer_; }
  // Index in the normalised text where the next parse call starts.
  size_t Position() const { return position_; }
  void SetPosition(size_t position) { position_ = position; }
  // The normalised text so far and its length; it grows through NormalizeMore.
  const char* Normalized() const { return buffer_.get(); }
  size_t Length() const { return length_; }
  // True when every byte has been normalised.
  bool IsFullyNormalized() const { return read_ >= size_; }
  // Normalises the next piece of raw text; false when none is left.
  bool NormalizeMore();
  // Frees the buffer.
  void Release();

 private:
  std::unique_ptr<char[]> buffer_;
  size_t size_ = 0;      // raw bytes
  size_t read_ = 0;      // raw bytes normalised so far
  size_t length_ = 0;    // normalised bytes so far
  size_t position_ = 0;
  bool inValue_ = false;
};

}  // namespace tenukiro

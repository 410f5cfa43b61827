#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace tenukiro {

// How the reader goes through a text. The fast reading takes the common shapes of
// node straight from the raw bytes and normalises only what it reads; the general
// reading normalises the whole text first and reads every node by the general
// rules alone. Both make the same tree: tests and the fuzzer compare them.
enum class Reading { Fast, GeneralOnly };

// The record text and the parse position, owned by the show between parse calls.
// The reader normalises the text in place as it reaches it (never all at once),
// so the first game of a large collection is ready without touching the rest.
// When the whole text has been parsed the buffer is freed: IsGone() then tells
// the rest of the program that there is nothing more to parse.
class SgfText {
 public:
  // No text: already gone.
  SgfText() = default;
  // A copy of `bytes`.
  explicit SgfText(std::string_view bytes, Reading reading = Reading::Fast);
  // Takes a buffer of `size` bytes followed by room for one more (the NUL).
  SgfText(std::unique_ptr<char[]> buffer, size_t size);

  SgfText(SgfText&&) = default;
  SgfText& operator=(SgfText&&) = default;

  bool IsGone() const { return !buffer_; }
  Reading HowRead() const { return reading_; }
  // The bytes, NUL-terminated; the reader rewrites those it has read.
  char* Bytes() const { return buffer_.get(); }
  size_t Size() const { return size_; }
  // Where the next parse call starts, and whether that byte lies inside a value
  // as normalisation sees the text from its beginning.
  size_t Position() const { return position_; }
  bool InValue() const { return inValue_; }
  void SetPosition(size_t position, bool inValue) {
    position_ = position;
    inValue_ = inValue;
  }
  // Frees the buffer.
  void Release();

 private:
  std::unique_ptr<char[]> buffer_;
  size_t size_ = 0;
  size_t position_ = 0;
  bool inValue_ = false;
  Reading reading_ = Reading::Fast;
};

}  // namespace tenukiro

#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <type_traits>

#include "sgf/record_charset.h"

namespace tenukiro {

class MappedFile;

// How the reader goes through a text. The fast reading takes the common shapes of
// node straight from the raw bytes and normalises only what it reads; the general
// reading normalises the whole text first and reads every node by the general
// rules alone. Both make the same tree: tests and the fuzzer compare them.
enum class Reading { Fast, GeneralOnly };

// The record text and the parse position, owned by the show between parse calls.
// The reader normalises the text in place as it reaches it (never all at once),
// so the first game of a large collection is ready without touching the rest.
// When the whole text has been parsed the bytes are let go: IsGone() then tells
// the rest of the program that there is nothing more to parse. The text's charset
// is found when it is made, before anything is read.
class SgfText {
 public:
  // No text: already gone.
  SgfText();
  // A copy of `bytes`.
  explicit SgfText(std::string_view bytes, Reading reading = Reading::Fast);
  // A file mapped copy-on-write: the reader's rewriting stays in the process.
  explicit SgfText(std::unique_ptr<MappedFile> file);

  SgfText(SgfText&&) noexcept;
  SgfText& operator=(SgfText&&) noexcept;
  ~SgfText();

  bool IsGone() const { return !bytes_; }
  Reading HowRead() const { return reading_; }
  // The bytes; the reader rewrites those it has read. Only a copy is NUL-terminated.
  char* Bytes() const { return bytes_; }
  size_t Size() const { return size_; }
  const RecordCharset& Charset() const { return charset_; }
  // Where the next parse call starts, and whether that byte lies inside a value
  // as normalisation sees the text from its beginning.
  size_t Position() const { return position_; }
  bool InValue() const { return inValue_; }
  void SetPosition(size_t position, bool inValue);
  // Lets the bytes go.
  void Release();

  // Runs `work`, which reads the bytes, and returns true; false when the file behind
  // the bytes was cut short while it was read, which ends `work` where it was.
  template <class Work>
  bool Guard(Work&& work) {
    return RunGuardedWork([](void* context) { (*static_cast<std::remove_reference_t<Work>*>(context))(); }, &work);
  }

 private:
  bool RunGuardedWork(void (*work)(void*), void* context);

  std::unique_ptr<char[]> buffer_;
  std::unique_ptr<MappedFile> file_;
  char* bytes_ = nullptr;
  size_t size_ = 0;
  size_t position_ = 0;
  bool inValue_ = false;
  Reading reading_ = Reading::Fast;
  RecordCharset charset_;
};

}  // namespace tenukiro

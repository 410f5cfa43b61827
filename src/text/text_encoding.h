#pragma once

#include <string>
#include <string_view>

#include "text/text_decode.h"

namespace tenukiro {

class SgfNode;

// How a record's text bytes are read for drawing. Automatic (the default) reads every well-formed
// UTF-8 sequence as UTF-8 and any other byte as Windows-1252; a charset named by the record's CA
// value reads the bytes through iconv.
class TextEncoding {
 public:
  TextEncoding() = default;
  // The encoding a CA value names. Labels are taken as the Windows code pages that records written
  // under those labels really use (Shift_JIS as CP932, GB2312 as GB18030, ...). UTF-8, a name
  // iconv does not know and a charset that does not keep ASCII as ASCII (UTF-16: such a file was
  // made UTF-8 when it was read) give the automatic encoding.
  static TextEncoding ForCharset(std::string_view caValue);
  // The encoding of the game tree under `root`: its CA value's, else the charset the reader
  // detected in the record, else automatic.
  static TextEncoding OfGame(const SgfNode* root);

  bool IsAutomatic() const { return charset_.empty(); }
  // The iconv name of the charset; empty when automatic.
  const std::string& Charset() const { return charset_; }
  friend bool operator==(const TextEncoding&, const TextEncoding&) = default;

 private:
  explicit TextEncoding(std::string charset) : charset_(std::move(charset)) {}

  std::string charset_;
};

// Reads text in an encoding one character at a time, for breaking lines between characters.
class CharacterReader {
 public:
  explicit CharacterReader(const TextEncoding& encoding);
  ~CharacterReader();
  CharacterReader(const CharacterReader&) = delete;
  CharacterReader& operator=(const CharacterReader&) = delete;

  // The first character of non-empty bytes. A byte the charset cannot read is one Windows-1252
  // character, as in DecodeText. Each character is read afresh: a charset's shift state does not
  // carry over from one call to the next.
  DecodedCharacter Read(std::string_view bytes);

 private:
  void* converter_ = nullptr;  // the iconv descriptor; none when automatic
};

// The code points of text in an encoding. Bytes the charset cannot read are read one by one as
// Windows-1252, so any bytes give some text.
std::u32string DecodeText(std::string_view bytes, const TextEncoding& encoding);

// The same text as UTF-8.
std::string ToUtf8(std::string_view bytes, const TextEncoding& encoding);

}  // namespace tenukiro

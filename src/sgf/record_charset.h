#pragma once

#include <string>
#include <string_view>

#include "sgf/double_byte.h"

namespace tenukiro {

// The charset a record's text is in, known before its tree is read, since in a double-byte
// charset a character's second byte can look like an escape or a value's end.
struct RecordCharset {
  // The iconv name of the charset: the one its first game's root declares (CA), else the one a
  // detector finds in a sample of its values. Empty when neither names one: the text is then read
  // byte by byte and drawn as UTF-8 where it is valid UTF-8 and as Windows-1252 elsewhere.
  std::string name;
  // Whether the name comes from the record's CA rather than from a detector.
  bool declared = false;
  // How its bytes make characters; null when every byte is one.
  const DoubleByteCharset* doubleByte = nullptr;
};

// A first look at the text: the CA value of the first game's root, else, when the values hold
// text that is neither ASCII nor UTF-8, the detector's answer on a sample of a few kilobytes
// from the first values that hold such text. Never reads more than the first megabyte or so.
RecordCharset FindRecordCharset(std::string_view text);

// The CA value of the first game tree's root as a first look finds it: "CA[" within the first
// 64 KB after the first '(', not part of a longer identifier; empty when there is none.
std::string_view DeclaredCharset(std::string_view text);

// The sample a detector is given: the contents of the first values that hold a byte above 0x7F,
// each up to the first ']' that something outside a value follows, one to a line, up to a few
// kilobytes.
std::string CharsetSample(std::string_view text);

}  // namespace tenukiro

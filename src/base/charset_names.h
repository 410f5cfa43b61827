#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tenukiro {

// How a charset's bytes make characters, as far as reading the SGF syntax is concerned: in
// Shift_JIS, Big5 and GBK a character can be a lead byte and a second byte, and that second byte
// can be '\' or ']'. In every other charset a byte that looks like one of those is one.
enum class ByteLayout : uint8_t { SingleByte, ShiftJis, Big5, Gbk };

// What a charset label (a record's CA value or a detector's answer) stands for.
struct CharsetName {
  // The name iconv knows the charset by. Labels are taken as the Windows code pages that records
  // written under them really use (Shift_JIS as CP932, GB2312 as GB18030, Big5 as Big5-HKSCS).
  std::string charset;
  ByteLayout layout = ByteLayout::SingleByte;
};

// The charset of a label, ignoring case and surrounding blanks; a label the table does not know
// is passed on as it is, read byte by byte.
CharsetName CharsetOfLabel(std::string_view label);

// The charset a detector's answer names when it is one the program takes from a detector:
// Shift_JIS, EUC-JP, GB18030/GBK, Big5, EUC-KR/CP949 and the Windows code pages. Empty for any
// other answer, which leaves the text to the automatic reading.
std::string AcceptDetectedCharset(std::string_view detected);

}  // namespace tenukiro

#include "sgf/double_byte.h"

namespace tenukiro {
namespace {

// The Windows code pages that records under these labels are written in: CP932, CP950 with the
// Hong Kong additions, and GBK (GB18030's four-byte characters hold only digits as their second
// and fourth bytes, which pair with nothing).
constexpr DoubleByteCharset kShiftJis({{0x81, 0x9F}, {0xE0, 0xFC}}, {{0x40, 0x7E}, {0x80, 0xFC}});
constexpr DoubleByteCharset kBig5({{0x81, 0xFE}}, {{0x40, 0x7E}, {0xA1, 0xFE}});
constexpr DoubleByteCharset kGbk({{0x81, 0xFE}}, {{0x40, 0x7E}, {0x80, 0xFE}});

}  // namespace

const DoubleByteCharset* DoubleByteCharset::Of(ByteLayout layout) {
  switch (layout) {
    case ByteLayout::ShiftJis: return &kShiftJis;
    case ByteLayout::Big5: return &kBig5;
    case ByteLayout::Gbk: return &kGbk;
    case ByteLayout::SingleByte: break;
  }
  return nullptr;
}

}  // namespace tenukiro

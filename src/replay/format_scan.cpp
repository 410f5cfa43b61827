#include "replay/format_scan.h"

#include <cctype>

namespace tenukiro {
namespace {

constexpr int64_t kSaturation = int64_t{1} << 40;

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int ScanColonNumbers(const char* text, int count, int64_t* values) {
  const char* p = text;
  for (int read = 0; read < count; ++read) {
    if (read > 0) {
      if (*p != ':') return read;
      ++p;
    }
    while (IsBlank(*p)) ++p;
    if (*p == '\0') return read == 0 ? -1 : read;
    bool negative = false;
    if (*p == '-' || *p == '+') negative = *p++ == '-';
    if (!IsDigit(*p)) return read;
    int64_t value = 0;
    for (; IsDigit(*p); ++p) value = value < kSaturation ? value * 10 + (*p - '0') : kSaturation;
    values[read] = negative ? -value : value;
  }
  return count;
}

}  // namespace tenukiro

#include "replay/format_scan.h"

#include <string_view>

#include "base/number_scan.h"

namespace tenukiro {

int ScanColonNumbers(const char* text, int count, int64_t* values) {
  const std::string_view rest(text);
  constexpr NumberRules kRules{NumberRules::Blanks::All};
  size_t at = 0;
  for (int read = 0; read < count; ++read) {
    if (read > 0) {
      if (at >= rest.size() || rest[at] != ':') return read;
      ++at;
    }
    if (SkipBlanks(rest, at, kRules.blanks) == rest.size()) return read == 0 ? -1 : read;
    const std::optional<ScannedNumber> number = ScanDecimal(rest, at, kRules);
    if (!number) return read;
    values[read] = number->value;
    at = number->end;
  }
  return count;
}

}  // namespace tenukiro

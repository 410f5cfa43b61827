#pragma once

#include <cstdint>

namespace tenukiro {

// Reads up to `count` decimal numbers separated by single colons from `text`, the
// way the formatted-input format "%ld:%ld:%ld" does: blanks are skipped before each
// number, a sign is accepted, and reading stops at the first character that does
// not fit. Returns how many numbers were read, or -1 when the text ends (or holds
// only blanks) before the first one. Numbers beyond 32 bits saturate.
int ScanColonNumbers(const char* text, int count, int64_t* values);

}  // namespace tenukiro

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/text_compare.h"
#include "settings/setting_table.h"

namespace tenukiro {

// Reads a leading decimal number the way "%ld" does: blanks skipped, an optional
// sign, then digits up to the first other character. Nothing when no digit comes.
// Values beyond 32 bits saturate, so they are out of every accepted range.
std::optional<int64_t> ScanLeadingInteger(std::string_view text);

// Six hexadecimal digits RRGGBB at the start of the text (either case); what
// follows them is ignored. Fewer than six digits give nothing.
std::optional<Color> ParseHexColour(std::string_view text);

}  // namespace tenukiro

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tenukiro {

// Why a page refused to hand back its values at OK: the message it shows, and the
// page's control that holds the bad text (a page-specific number) so that the host
// can put the focus there.
struct ExchangeError {
  std::string message;
  int control = 0;
};

// The number an edit holds for the data exchange: a whole decimal integer with an
// optional sign (blanks around it allowed), else nothing.
std::optional<int32_t> EditInteger(std::string_view text);

// The number an edit stands for while it is being typed in: text that is not a
// number reads as 0.
int32_t TypedInteger(std::string_view text);

// Exchanges one numeric edit: its value, or the message that refuses it.
struct ExchangedInteger {
  int32_t value = 0;
  std::optional<std::string> refusal;
};
ExchangedInteger ExchangeInteger(std::string_view text, int32_t low, int32_t high);

}  // namespace tenukiro

#include "shell/command_line.h"

#include <algorithm>
#include <cctype>

namespace tenukiro {
namespace {

size_t SkipBlanksAndColons(std::string_view text, size_t i) {
  while (i < text.size() && (text[i] == ' ' || text[i] == ':')) ++i;
  return i;
}

// An optional sign and the leading decimal digits, 0 when there are none. Huge
// numbers saturate instead of overflowing.
int64_t LeadingDecimal(std::string_view text, size_t i) {
  constexpr int64_t kLimit = int64_t{1} << 40;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = std::min(value * 10 + (text[i] - '0'), kLimit);
  }
  return negative ? -value : value;
}

}  // namespace

CommandLine ParseCommandLine(std::string_view text) {
  CommandLine result;
  if (text.empty()) {
    result.mode = RunMode::Configure;
    return result;
  }
  size_t i = 1;
  if (i < text.size() && (text[i] == '-' || text[i] == '/')) ++i;
  if (i >= text.size()) return result;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
  ++i;
  switch (letter) {
    case 'P':
    case 'L':
      result.mode = RunMode::Preview;
      i = SkipBlanksAndColons(text, i);
      result.window = i < text.size() ? LeadingDecimal(text, i) : 0;
      break;
    case 'S':
      result.mode = RunMode::ScreenSaver;
      break;
    case 'C':
      result.mode = RunMode::Configure;
      i = SkipBlanksAndColons(text, i);
      if (i < text.size()) {
        result.window = LeadingDecimal(text, i);
      } else {
        result.ownerIsForeground = true;
      }
      break;
    case 'A':
      result.mode = RunMode::ChangePassword;
      result.window = LeadingDecimal(text, SkipBlanksAndColons(text, i));
      break;
    default:
      break;
  }
  return result;
}

std::string JoinArguments(int argc, const char* const* argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text += ' ';
    text += argv[i];
  }
  return text;
}

}  // namespace tenukiro

#include "shell/command_line.h"

#include <algorithm>
#include <cctype>

#include "base/number_scan.h"

namespace tenukiro {
namespace {

size_t SkipBlanksAndColons(std::string_view text, size_t i) {
  while (i < text.size() && (text[i] == ' ' || text[i] == ':')) ++i;
  return i;
}

// An optional sign and the leading decimal digits, 0 when there are none. Huge
// numbers saturate instead of overflowing.
int64_t LeadingDecimal(std::string_view text, size_t i) {
  const std::optional<ScannedNumber> number = ScanDecimal(text, i, {});
  return number ? number->value : 0;
}

bool IsDecimal(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Where the switch letter is: after the switch character, and a second '-' or '/'.
size_t LetterPosition(std::string_view text) {
  size_t i = 1;
  if (i < text.size() && (text[i] == '-' || text[i] == '/')) ++i;
  return i;
}

char SwitchLetter(std::string_view text) {
  const size_t i = LetterPosition(text);
  return i < text.size() ? static_cast<char>(std::toupper(static_cast<unsigned char>(text[i]))) : '\0';
}

}  // namespace

CommandLine ParseCommandLine(std::string_view text) {
  CommandLine result;
  if (text.empty()) {
    result.mode = RunMode::Configure;
    return result;
  }
  size_t i = LetterPosition(text);
  if (i >= text.size()) return result;
  const char letter = SwitchLetter(text);
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

size_t SwitchArgumentCount(std::span<const char* const> arguments) {
  if (arguments.empty()) return 0;
  const std::string_view first = arguments[0];
  const char letter = SwitchLetter(first);
  const bool numberFollows = arguments.size() > 1;
  if (letter == 'S') return numberFollows && IsDecimal(arguments[1]) ? 2 : 1;
  if (letter != 'P' && letter != 'L' && letter != 'C' && letter != 'A') return 1;
  const bool switchEndsAtLetter = SkipBlanksAndColons(first, LetterPosition(first) + 1) == first.size();
  return switchEndsAtLetter && numberFollows ? 2 : 1;
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

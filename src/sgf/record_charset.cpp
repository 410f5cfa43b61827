#include "sgf/record_charset.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/charset_detection.h"
#include "base/charset_names.h"
#include "base/utf8.h"

namespace tenukiro {
namespace {

// The root of the first game tree is looked at within this many bytes after its '('.
constexpr size_t kRootWindow = 64u << 10;
// No charset name is longer.
constexpr size_t kLongestLabel = 64;
// The detector sees at most this much text, gathered from at most the first megabyte.
constexpr size_t kSampleSize = 4u << 10;
constexpr size_t kSampleScan = 1u << 20;

bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }

bool HasHighByte(std::string_view bytes) {
  constexpr uint64_t kHighBits = 0x8080808080808080u;
  size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, bytes.data() + i, sizeof word);
    if (word & kHighBits) return true;
  }
  return std::any_of(bytes.begin() + i, bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The root ends, at the latest, where the first move starts.
size_t FirstMoveNode(std::string_view window) {
  return std::min(window.find(";B["), window.find(";W["));
}

// The end of a value for the sample, found without knowing the charset: the first ']' that
// something outside a value follows. In a double-byte charset a character's second byte may be
// a backslash or a ']', and a detector that is given half a character often gives up.
size_t SampleValueEnd(std::string_view text, size_t start) {
  for (size_t i = text.find(']', start); i != std::string_view::npos; i = text.find(']', i + 1)) {
    if (i + 1 == text.size()) return i;
    const char next = text[i + 1];
    if (IsCapital(next) || next == '[' || next == ';' || next == '(' || next == ')' || next == ' ' || next == '\n' ||
        next == '\r' || next == '\t') {
      return i;
    }
  }
  return text.size();
}

}  // namespace

std::string_view DeclaredCharset(std::string_view text) {
  const size_t open = text.find('(');
  if (open == std::string_view::npos) return {};
  std::string_view root = text.substr(open, kRootWindow);
  root = root.substr(0, FirstMoveNode(root));
  for (size_t at = root.find("CA["); at != std::string_view::npos; at = root.find("CA[", at + 1)) {
    if (at > 0 && IsCapital(root[at - 1])) continue;
    const size_t end = root.find(']', at + 3);
    if (end == std::string_view::npos || end - at - 3 > kLongestLabel) return {};
    return root.substr(at + 3, end - at - 3);
  }
  return {};
}

std::string CharsetSample(std::string_view text) {
  text = text.substr(0, kSampleScan);
  // Most records are ASCII throughout: eight bytes at a time tell so quickly.
  if (!HasHighByte(text)) return {};
  std::string sample;
  size_t i = 0;
  while (sample.size() < kSampleSize && (i = text.find('[', i)) != std::string_view::npos) {
    const size_t start = ++i;
    i = SampleValueEnd(text, start);
    const std::string_view value = text.substr(start, i - start);
    if (HasHighByte(value)) {
      sample.append(value.substr(0, kSampleSize - sample.size()));
      sample += '\n';
    }
  }
  return sample;
}

RecordCharset FindRecordCharset(std::string_view text) {
  if (const std::string_view declared = DeclaredCharset(text); !declared.empty()) {
    CharsetName charset = CharsetOfLabel(declared);
    return {std::move(charset.charset), true, DoubleByteCharset::Of(charset.layout)};
  }
  const std::string sample = CharsetSample(text);
  if (sample.empty() || IsValidUtf8(sample)) return {};
  const std::string detected = AcceptDetectedCharset(DetectCharset(sample));
  if (detected.empty()) return {};
  CharsetName charset = CharsetOfLabel(detected);
  return {std::move(charset.charset), false, DoubleByteCharset::Of(charset.layout)};
}

}  // namespace tenukiro

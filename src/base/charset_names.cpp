#include "base/charset_names.h"

#include "base/text_compare.h"

namespace tenukiro {
namespace {

struct Label {
  std::string_view label;
  const char* charset;
  ByteLayout layout;
  bool detectable;  // taken from a detector
};

constexpr Label kLabels[] = {
    {"Shift_JIS", "CP932", ByteLayout::ShiftJis, true},    {"Shift-JIS", "CP932", ByteLayout::ShiftJis, true},
    {"SJIS", "CP932", ByteLayout::ShiftJis, true},         {"MS_Kanji", "CP932", ByteLayout::ShiftJis, true},
    {"x-sjis", "CP932", ByteLayout::ShiftJis, true},       {"Windows-31J", "CP932", ByteLayout::ShiftJis, true},
    {"CP932", "CP932", ByteLayout::ShiftJis, true},        {"MS932", "CP932", ByteLayout::ShiftJis, true},
    {"GB2312", "GB18030", ByteLayout::Gbk, true},          {"EUC-CN", "GB18030", ByteLayout::Gbk, true},
    {"GBK", "GB18030", ByteLayout::Gbk, true},             {"CP936", "GB18030", ByteLayout::Gbk, true},
    {"GB_2312-80", "GB18030", ByteLayout::Gbk, true},      {"GB18030", "GB18030", ByteLayout::Gbk, true},
    {"Big5", "BIG5-HKSCS", ByteLayout::Big5, true},        {"CN-Big5", "BIG5-HKSCS", ByteLayout::Big5, true},
    {"x-x-big5", "BIG5-HKSCS", ByteLayout::Big5, true},    {"Big5-HKSCS", "BIG5-HKSCS", ByteLayout::Big5, true},
    {"CP950", "BIG5-HKSCS", ByteLayout::Big5, true},       {"EUC-JP", "EUC-JP", ByteLayout::SingleByte, true},
    {"EUC-KR", "CP949", ByteLayout::SingleByte, true},     {"KS_C_5601-1987", "CP949", ByteLayout::SingleByte, true},
    {"CP949", "CP949", ByteLayout::SingleByte, true},      {"UHC", "CP949", ByteLayout::SingleByte, true},
    {"ISO-8859-1", "WINDOWS-1252", ByteLayout::SingleByte, false},
    {"Latin1", "WINDOWS-1252", ByteLayout::SingleByte, false},
    {"ISO8859-1", "WINDOWS-1252", ByteLayout::SingleByte, false},
    {"US-ASCII", "WINDOWS-1252", ByteLayout::SingleByte, false},
    {"ASCII", "WINDOWS-1252", ByteLayout::SingleByte, false},
};

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

const Label* FindLabel(std::string_view label) {
  for (const Label& entry : kLabels) {
    if (EqualsIgnoringCase(label, entry.label)) return &entry;
  }
  return nullptr;
}

// "WINDOWS-1250" to "WINDOWS-1258".
bool IsWindowsCodePage(std::string_view name) {
  constexpr std::string_view kPrefix = "WINDOWS-125";
  return name.size() == kPrefix.size() + 1 && EqualsIgnoringCase(name.substr(0, kPrefix.size()), kPrefix) &&
         name.back() >= '0' && name.back() <= '8';
}

}  // namespace

CharsetName CharsetOfLabel(std::string_view label) {
  label = Trimmed(label);
  if (const Label* entry = FindLabel(label)) return {entry->charset, entry->layout};
  return {std::string(label), ByteLayout::SingleByte};
}

std::string AcceptDetectedCharset(std::string_view detected) {
  detected = Trimmed(detected);
  if (const Label* entry = FindLabel(detected)) return entry->detectable ? entry->charset : std::string();
  if (IsWindowsCodePage(detected)) return std::string(detected);
  return {};
}

}  // namespace tenukiro

#include "config/win32/win32_text.h"

#include "base/language.h"
#include "config/win32/config_resource.h"

namespace tenukiro {
namespace {

std::wstring ToWide(const std::string& text, UINT codePage) {
  if (text.empty()) return {};
  const int size = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

std::string FromWide(const std::wstring& wide, UINT codePage) {
  if (wide.empty()) return {};
  const int size =
      WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, nullptr);
  return text;
}

}  // namespace

std::wstring Wide(const std::string& utf8) { return ToWide(utf8, CP_UTF8); }

std::string Utf8(const std::wstring& wide) { return FromWide(wide, CP_UTF8); }

std::string WindowTextUtf8(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}

void SetWindowTextUtf8(HWND window, const std::string& text) { SetWindowTextW(window, Wide(text).c_str()); }

LPCWSTR TemplateOf(int englishTemplate) {
  return MAKEINTRESOURCEW(englishTemplate + (IsFrench() ? FRENCH_TEMPLATE_OFFSET : 0));
}

}  // namespace tenukiro

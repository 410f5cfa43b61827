#include "config/win32/win32_text.h"

#include "base/language.h"
#include "config/win32/config_resource.h"

namespace tenukiro {

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

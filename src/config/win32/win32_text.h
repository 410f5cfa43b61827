#pragma once

#include <windows.h>

#include <string>

#include "base/string_table.h"
#include "base/win32/wide_text.h"
#include "config/config_texts.h"

namespace tenukiro {

// The program's texts and paths are UTF-8; the dialog's windows are Unicode ones.
inline std::wstring Wide(const std::string& utf8) { return WideFromUtf8(utf8); }
inline std::wstring Wide(ConfigText id) { return WideFromUtf8(Text(id)); }
inline std::wstring Wide(StringId id) { return WideFromUtf8(Text(id)); }
inline std::string Utf8(const std::wstring& wide) { return Utf8FromWide(wide); }

std::string WindowTextUtf8(HWND window);
void SetWindowTextUtf8(HWND window, const std::string& text);

// The English template number, or the French one (ten higher) in French.
LPCWSTR TemplateOf(int englishTemplate);

}  // namespace tenukiro

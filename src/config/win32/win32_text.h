#pragma once

#include <windows.h>

#include <string>

#include "base/string_table.h"
#include "config/config_texts.h"

namespace tenukiro {

// The program's texts are UTF-8; the dialog's windows are Unicode ones.
std::wstring Wide(const std::string& utf8);
inline std::wstring Wide(ConfigText id) { return Wide(std::string(Text(id))); }
inline std::wstring Wide(StringId id) { return Wide(std::string(LoadString(id))); }
std::string Utf8(const std::wstring& wide);

// File paths stay in the system's ANSI code page, as the engine opens them.
std::string AnsiFromUtf8(const std::string& utf8);

std::string WindowTextUtf8(HWND window);
void SetWindowTextUtf8(HWND window, const std::string& text);

// The English template number, or the French one (ten higher) in French.
LPCWSTR TemplateOf(int englishTemplate);

}  // namespace tenukiro

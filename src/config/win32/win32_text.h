#pragma once

#include <windows.h>

#include <string>

#include "base/string_table.h"
#include "config/config_texts.h"

namespace tenukiro {

// The program's texts and paths are UTF-8; the dialog's windows are Unicode ones.
std::wstring Wide(const std::string& utf8);
inline std::wstring Wide(ConfigText id) { return Wide(std::string(Text(id))); }
inline std::wstring Wide(StringId id) { return Wide(Text(id)); }
std::string Utf8(const std::wstring& wide);

std::string WindowTextUtf8(HWND window);
void SetWindowTextUtf8(HWND window, const std::string& text);

// The English template number, or the French one (ten higher) in French.
LPCWSTR TemplateOf(int englishTemplate);

}  // namespace tenukiro

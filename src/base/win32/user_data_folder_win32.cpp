#include <windows.h>

#include "base/data_files.h"
#include "base/win32/wide_text.h"

namespace tenukiro {

// The roaming application data folder, which a user's own pattern files follow from machine
// to machine.
std::string UserDataFolder() {
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
  if (length <= 1) return {};
  std::wstring folder(length, L'\0');
  folder.resize(GetEnvironmentVariableW(L"APPDATA", folder.data(), length));
  if (folder.empty()) return {};
  return Utf8FromWide(folder) + "\\Tenukiro\\";
}

}  // namespace tenukiro

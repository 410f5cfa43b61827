#include "settings/win32/registry_profile.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "base/win32/wide_text.h"
#include "settings/setting_names.h"

namespace tenukiro {
namespace {

// The longest text value read: far beyond any path or file list entry.
constexpr DWORD kMaxTextBytes = 1 << 20;

class Key {
 public:
  explicit Key(HKEY key) : key_(key) {}
  ~Key() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_;
};

std::optional<std::string> TextOf(const std::vector<BYTE>& data) {
  std::wstring_view text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
  // A stored string usually ends with its NUL; a value written without one is whole as it is.
  if (const size_t end = text.find(L'\0'); end != std::wstring_view::npos) text = text.substr(0, end);
  return Utf8FromWide(text);
}

}  // namespace

RegistryProfile::RegistryProfile(std::string_view application)
    : keyPath_(L"Software\\Quorvane\\" + WideFromUtf8(application) + L"\\Config") {}

std::optional<std::string> RegistryProfile::ReadText(std::string_view name) const {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const Key key(opened);
  const std::wstring valueName = WideFromUtf8(name);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      size > kMaxTextBytes) {
    return std::nullopt;
  }
  std::vector<BYTE> data(size);
  if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  data.resize(size);
  if (type == REG_DWORD && size == sizeof(DWORD)) {
    std::uint32_t value = 0;
    std::memcpy(&value, data.data(), sizeof value);
    return std::to_string(static_cast<std::int32_t>(value));
  }
  if (type == REG_SZ || type == REG_EXPAND_SZ) return TextOf(data);
  return std::nullopt;
}

void RegistryProfile::WriteText(std::string_view name, std::string_view value) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  const Key key(created);
  const std::wstring valueName = WideFromUtf8(name);
  const std::optional<std::int32_t> number = ParseProfileInt(value);
  if (number && KindOfProfileValue(name) == ProfileValueKind::Number) {
    const DWORD word = static_cast<DWORD>(*number);
    RegSetValueExW(key.get(), valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&word), sizeof word);
    return;
  }
  const std::wstring text = WideFromUtf8(value);
  RegSetValueExW(key.get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace tenukiro

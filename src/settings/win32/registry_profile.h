#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/profile.h"

namespace tenukiro {

// The profile in the current user's registry: key HKEY_CURRENT_USER\Software\Quorvane\<application>,
// subkey "Config". Numbers are stored as 32-bit registry integers, texts as registry strings
// (UTF-8 in the program, wide characters in the registry). A value the registry cannot give
// reads as missing; the key is made on the first write.
class RegistryProfile : public Profile {
 public:
  explicit RegistryProfile(std::string_view application);

  std::optional<std::string> ReadText(std::string_view name) const override;
  void WriteText(std::string_view name, std::string_view value) override;

  // The key under HKEY_CURRENT_USER, e.g. "Software\Quorvane\Tenukiro\Config".

 private:
  std::wstring keyPath_;
};

}  // namespace tenukiro

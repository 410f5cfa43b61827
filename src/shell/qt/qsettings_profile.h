#pragma once

#include <QSettings>

#include "settings/profile.h"

namespace tenukiro {

// The user's profile: QSettings("Quorvane", application), group "Config" (an INI
// file under $XDG_CONFIG_HOME/Quorvane/).
class QSettingsProfile : public Profile {
 public:
  explicit QSettingsProfile(const QString& application);

  std::optional<std::string> ReadText(std::string_view name) const override;
  void WriteText(std::string_view name, std::string_view value) override;

 private:
  mutable QSettings settings_;
};

}  // namespace tenukiro

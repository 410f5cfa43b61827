#include "shell/qt/qsettings_profile.h"

namespace tenukiro {
namespace {

QString KeyOf(std::string_view name) {
  return QStringLiteral("Config/") + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QSettingsProfile::QSettingsProfile(const QString& application)
    : settings_(QStringLiteral("Quorvane"), application) {}

std::optional<std::string> QSettingsProfile::ReadText(std::string_view name) const {
  const QVariant value = settings_.value(KeyOf(name));
  // A value that is a list or some other structure cannot be read as text.
  if (!value.isValid() || !value.canConvert<QString>()) return std::nullopt;
  return value.toString().toStdString();
}

void QSettingsProfile::WriteText(std::string_view name, std::string_view value) {
  settings_.setValue(KeyOf(name), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

}  // namespace tenukiro

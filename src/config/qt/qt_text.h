#pragma once

#include <QColor>
#include <QString>

#include <string>
#include <string_view>

#include "base/color.h"
#include "base/string_table.h"
#include "config/config_texts.h"

namespace tenukiro {

inline QString QText(ConfigText id) { return QString::fromUtf8(Text(id)); }
inline QString QText(StringId id) {
  const std::string_view text = LoadString(id);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline QString QUtf8(const std::string& text) { return QString::fromStdString(text); }
inline QColor ToQColor(Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline Color FromQColor(const QColor& c) {
  return Rgb(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue()));
}

}  // namespace tenukiro

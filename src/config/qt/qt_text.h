#pragma once

#include <QColor>
#include <QString>

#include <string>

#include "base/color.h"
#include "config/config_texts.h"

namespace tenukiro {

inline QString QText(ConfigText id) { return QString::fromUtf8(Text(id)); }
inline QString QUtf8(const std::string& text) { return QString::fromStdString(text); }
inline QColor ToQColor(Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline Color FromQColor(const QColor& c) {
  return Rgb(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue()));
}

}  // namespace tenukiro

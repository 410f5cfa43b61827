#include "config/time_tip.h"

#include <cstdio>

#include "base/string_table.h"
#include "settings/time_scale.h"

namespace tenukiro {

std::string TimeTipText(int32_t position, bool french) {
  const double seconds = TimeIndexToMs(position) * 0.001;
  const char* format = seconds < 10 ? "%.3f%s" : seconds < 100 ? "%.2f%s" : "%.1f%s";
  // The tip control holds at most 79 characters.
  char text[80];
  std::snprintf(text, sizeof text, format, seconds, std::string(LoadString(StringId::kSecondsUnit, french)).c_str());
  std::string tip = text;
  const size_t point = tip.find('.');
  if (point != std::string::npos) tip.replace(point, 1, LoadString(StringId::kDecimalSeparator, french));
  return tip.substr(0, 79);
}

}  // namespace tenukiro

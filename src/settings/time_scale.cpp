#include "settings/time_scale.h"

#include <algorithm>
#include <cmath>

namespace tenukiro {

int32_t TimeIndexToMs(int32_t index) {
  static constexpr int32_t kSteps[20] = {10, 11, 12, 14, 16, 18, 20, 22, 24, 27,
                                         30, 35, 40, 45, 50, 55, 60, 70, 80, 90};
  index = std::clamp(index, 0, 100);
  int32_t ms = kSteps[index % 20];
  for (int32_t decade = index / 20; decade > 0; --decade) ms *= 10;
  return ms;
}

int32_t MsToTimeIndex(int32_t ms) {
  if (ms <= 0) return 0;
  return static_cast<int32_t>(20.0 * (std::log10(static_cast<double>(ms)) - 1.0));
}

}  // namespace tenukiro

#pragma once

#include <string>
#include <utility>
#include <vector>

#include "config/config_preview.h"

namespace tenukiro {

// A preview that records what the dialog hands it, in order.
class RecordingPreview : public ConfigPreview {
 public:
  void SetFileList(const std::vector<std::string>& files) override { lists.push_back(files); }
  void SetRandomAccess(int32_t value) override { randomAccess.push_back(value); }
  void SetSgfPriority(int32_t value) override { sgfPriority.push_back(value); }
  void SetSetting(SettingId id, int32_t value) override { settings.emplace_back(id, value); }

  // The last value a setting was given, or -12345 when it was never set.
  int32_t Last(SettingId id) const {
    for (auto it = settings.rbegin(); it != settings.rend(); ++it) {
      if (it->first == id) return it->second;
    }
    return -12345;
  }

  std::vector<std::vector<std::string>> lists;
  std::vector<int32_t> randomAccess;
  std::vector<int32_t> sgfPriority;
  std::vector<std::pair<SettingId, int32_t>> settings;
};

}  // namespace tenukiro

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/setting_table.h"

namespace tenukiro {

class CShowWnd;

// The dialog's live preview as its pages see it: every control change goes to it
// at once. Values are in the show's units (times in milliseconds).
class ConfigPreview {
 public:
  virtual ~ConfigPreview() = default;

  virtual void SetFileList(const std::vector<std::string>& files) = 0;
  virtual void SetRandomAccess(int32_t value) = 0;
  virtual void SetSgfPriority(int32_t value) = 0;
  // Any other setting of the show, the random-colour switch included.
  virtual void SetSetting(SettingId id, int32_t value) = 0;
};

// The preview of a dialog whose host makes none: the controls' changes go nowhere.
class NoPreview : public ConfigPreview {
 public:
  void SetFileList(const std::vector<std::string>&) override {}
  void SetRandomAccess(int32_t) override {}
  void SetSgfPriority(int32_t) override {}
  void SetSetting(SettingId, int32_t) override {}
};

// The preview that is a running show.
class ShowPreview : public ConfigPreview {
 public:
  explicit ShowPreview(CShowWnd& show) : show_(show) {}

  void SetFileList(const std::vector<std::string>& files) override;
  void SetRandomAccess(int32_t value) override;
  void SetSgfPriority(int32_t value) override;
  void SetSetting(SettingId id, int32_t value) override;

 private:
  CShowWnd& show_;
};

}  // namespace tenukiro

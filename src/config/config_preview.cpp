#include "config/config_preview.h"

#include "show/show_window.h"

namespace tenukiro {

void ShowPreview::SetFileList(const std::vector<std::string>& files) { show_.SetFileList(files); }

void ShowPreview::SetRandomAccess(int32_t value) { show_.SetRandomAccess(value); }

void ShowPreview::SetSgfPriority(int32_t value) { show_.SetSgfPriority(value); }

void ShowPreview::SetSetting(SettingId id, int32_t value) { show_.SetSetting(id, value); }

}  // namespace tenukiro

#include "config/others_page.h"

namespace tenukiro {

void COthersPage::Load(const DialogSettings& settings) {
  for (size_t i = 0; i < kSwitches.size(); ++i) checked_[i] = settings.values[kSwitches[i].setting] != 0;
  allScreens_ = settings.values[AllScreens] != 0;
}

void COthersPage::OnClicked(int index, bool checked) {
  checked_[index] = checked;
  preview_.SetSetting(kSwitches[index].setting, checked ? 1 : 0);
}

void COthersPage::Default() {
  for (size_t i = 0; i < kSwitches.size(); ++i) OnClicked(static_cast<int>(i), InfoOf(kSwitches[i].setting).defaultValue != 0);
  allScreens_ = InfoOf(AllScreens).defaultValue != 0;
}

void COthersPage::Exchange(DialogSettings& settings) const {
  for (size_t i = 0; i < kSwitches.size(); ++i) settings.values[kSwitches[i].setting] = checked_[i] ? 1 : 0;
  settings.values[AllScreens] = allScreens_ ? 1 : 0;
}

}  // namespace tenukiro

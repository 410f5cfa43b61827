#include "config/temporal_page.h"

#include "base/language.h"
#include "config/time_tip.h"
#include "settings/setting_table.h"
#include "settings/time_scale.h"

namespace tenukiro {

void CTemporalPage::Load(const DialogSettings& settings) {
  for (size_t i = 0; i < kSliders.size(); ++i) positions_[i] = settings.values[kSliders[i].setting];
}

void CTemporalPage::OnSliderMoved(int slider, int32_t position) {
  positions_[slider] = position;
  preview_.SetSetting(kSliders[slider].setting, TimeIndexToMs(position));
}

std::string CTemporalPage::TipText(int slider) const { return TimeTipText(positions_[slider], IsFrench() != 0); }

void CTemporalPage::Default() {
  for (size_t i = 0; i < kSliders.size(); ++i) {
    OnSliderMoved(static_cast<int>(i), MsToTimeIndex(InfoOf(kSliders[i].setting).defaultValue));
  }
}

void CTemporalPage::Exchange(DialogSettings& settings) const {
  for (size_t i = 0; i < kSliders.size(); ++i) settings.values[kSliders[i].setting] = positions_[i];
}

}  // namespace tenukiro

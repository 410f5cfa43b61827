#include "config/spatial_page.h"

#include <algorithm>

namespace tenukiro {

void CSpatialPage::Load(const DialogSettings& settings) {
  for (int i = 0; i < kEditCount; ++i) texts_[i] = std::to_string(settings.values[kEdits[i].setting]);
  gridPosition_ = settings.values[GridPosition];
  customHeight_ = settings.values[AssistantCustomHeight] != 0;
  customWidth_ = settings.values[AssistantCustomWidth] != 0;
}

int CSpatialPage::CheckedGridRadio() const { return std::clamp(gridPosition_, 0, 2); }

std::optional<std::string> CSpatialPage::OnEditChanged(Edit edit, std::string text) {
  const EditInfo& info = kEdits[edit];
  const int32_t typed = TypedInteger(text);
  const int32_t clamped = std::clamp(typed, info.low, info.high);
  texts_[edit] = std::move(text);
  preview_.SetSetting(info.setting, clamped);
  if (clamped == typed || info.keepsTypedText) return std::nullopt;
  texts_[edit] = std::to_string(clamped);
  return texts_[edit];
}

std::string CSpatialPage::SpinStep(Edit edit, int delta) const {
  const EditInfo& info = kEdits[edit];
  const int32_t from = std::clamp(TypedInteger(texts_[edit]), info.low, info.high);
  return std::to_string(std::clamp(from + delta, info.low, info.high));
}

void CSpatialPage::OnGridPosition(int32_t position) {
  gridPosition_ = position;
  preview_.SetSetting(GridPosition, position);
}

void CSpatialPage::OnCustomHeight(bool checked) {
  customHeight_ = checked;
  preview_.SetSetting(AssistantCustomHeight, checked ? 1 : 0);
}

void CSpatialPage::OnCustomWidth(bool checked) {
  customWidth_ = checked;
  preview_.SetSetting(AssistantCustomWidth, checked ? 1 : 0);
}

void CSpatialPage::GiveSizesToPreview() {
  for (const Edit edit : {Radius, X, Y, Height, Width}) {
    const EditInfo& info = kEdits[edit];
    preview_.SetSetting(info.setting, std::clamp(TypedInteger(texts_[edit]), info.low, info.high));
  }
}

void CSpatialPage::Default() {
  DialogSettings defaults;
  for (int i = 0; i < kEditCount; ++i) defaults.values[kEdits[i].setting] = InfoOf(kEdits[i].setting).defaultValue;
  defaults.values[GridPosition] = InfoOf(GridPosition).defaultValue;
  Load(defaults);
  for (int i = 0; i < kEditCount; ++i) preview_.SetSetting(kEdits[i].setting, defaults.values[kEdits[i].setting]);
  preview_.SetSetting(GridPosition, gridPosition_);
  preview_.SetSetting(AssistantCustomHeight, 0);
  preview_.SetSetting(AssistantCustomWidth, 0);
}

std::optional<ExchangeError> CSpatialPage::Exchange(DialogSettings& settings) const {
  DialogSettings exchanged = settings;
  for (int i = 0; i < kEditCount; ++i) {
    const ExchangedInteger number = ExchangeInteger(texts_[i], kEdits[i].low, kEdits[i].high);
    if (number.refusal) return ExchangeError{*number.refusal, i};
    exchanged.values[kEdits[i].setting] = number.value;
  }
  exchanged.values[AssistantCustomHeight] = customHeight_ ? 1 : 0;
  exchanged.values[AssistantCustomWidth] = customWidth_ ? 1 : 0;
  exchanged.values[GridPosition] = gridPosition_;
  settings = exchanged;
  return std::nullopt;
}

}  // namespace tenukiro

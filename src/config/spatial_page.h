#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "config/config_preview.h"
#include "config/config_texts.h"
#include "config/data_exchange.h"
#include "settings/dialog_settings.h"

namespace tenukiro {

// Stone radius, grid position and the assistant's area. The numeric edits are
// clamped as they are typed and the preview follows them; only the data exchange
// at OK refuses a text.
class CSpatialPage {
 public:
  // The numeric edits, in the order of the data exchange.
  enum Edit : int { Radius, X, Y, Height, Width, kEditCount };
  struct EditInfo {
    SettingId setting;
    int32_t low, high;
    // The custom width edit shows what was typed even when the preview gets the clamped value.
    bool keepsTypedText;
  };
  static constexpr std::array<EditInfo, kEditCount> kEdits = {{
      {StoneRadius, 1, 99, false},
      {GridX, -99, 99, false},
      {GridY, -99, 99, false},
      {AssistantHeight, 1, 99, false},
      {AssistantWidth, 1, 99, true},
  }};

  explicit CSpatialPage(ConfigPreview& preview) : preview_(preview) {}

  void Load(const DialogSettings& settings);

  const std::string& EditText(Edit edit) const { return texts_[edit]; }
  bool CustomHeight() const { return customHeight_; }
  bool CustomWidth() const { return customWidth_; }
  // The radio button that shows the grid position: 0 Center, 1 Random, 2 Custom (any
  // value above 2 is custom too, any below 0 centred).
  int CheckedGridRadio() const;
  bool GridOffsetsEnabled() const { return gridPosition_ >= 2; }
  bool HeightEnabled() const { return customHeight_; }
  bool WidthEnabled() const { return customWidth_; }

  // The edit's text changed: the preview gets the clamped value. Returns the text the
  // edit must show instead when clamping changed the value.
  std::optional<std::string> OnEditChanged(Edit edit, std::string text);
  // The edit's spin buttons: one step up or down from the typed value, within the range.
  std::string SpinStep(Edit edit, int delta) const;
  void OnGridPosition(int32_t position);
  void OnCustomHeight(bool checked);
  void OnCustomWidth(bool checked);

  // The preview starts with the dialog's radius, offsets and assistant size.
  void GiveSizesToPreview();

  void Default();
  // Radius, X, Y, height, width, then the two check boxes; stops at the first edit
  // that holds no integer or one out of its range (which names the Edit).
  std::optional<ExchangeError> Exchange(DialogSettings& settings) const;

 private:
  ConfigPreview& preview_;
  std::array<std::string, kEditCount> texts_;
  int32_t gridPosition_ = 1;
  bool customHeight_ = false;
  bool customWidth_ = false;
};

}  // namespace tenukiro

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "config/config_preview.h"
#include "config/config_texts.h"
#include "settings/dialog_settings.h"

namespace tenukiro {

// The five display times on logarithmic sliders. Positions are time indices, as
// the profile stores them; the preview gets milliseconds.
class CTemporalPage {
 public:
  struct Slider {
    SettingId setting;
    ConfigText caption;
  };
  static constexpr std::array<Slider, 5> kSliders = {{
      {CommonPositionTime, ConfigText::CommonPositionTimeCaption},
      {CommentPageTime, ConfigText::CommentPageTimeCaption},
      {CommentLineTime, ConfigText::CommentLineTimeCaption},
      {FinalPositionTime, ConfigText::FinalPositionTimeCaption},
      {SplashDelay, ConfigText::TransitionTimeCaption},
  }};
  static constexpr int kMaximum = 100;
  static constexpr int kTickInterval = 20;
  static constexpr int kPageStep = 20;
  static constexpr int kLineStep = 1;

  explicit CTemporalPage(ConfigPreview& preview) : preview_(preview) {}

  void Load(const DialogSettings& settings);

  int32_t Position(int slider) const { return positions_[slider]; }
  // The slider moved: the preview gets the new time at once.
  void OnSliderMoved(int slider, int32_t position);
  // The text shown above the slider's thumb while it moves.
  std::string TipText(int slider) const;

  // Every time back to one second.
  void Default();
  // The five positions, in slider order.
  void Exchange(DialogSettings& settings) const;

 private:
  ConfigPreview& preview_;
  std::array<int32_t, kSliders.size()> positions_{};
};

}  // namespace tenukiro

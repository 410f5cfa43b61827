#pragma once

#include <array>

#include "config/config_preview.h"
#include "config/config_texts.h"
#include "settings/dialog_settings.h"

namespace tenukiro {

// Ten display switches.
class COthersPage {
 public:
  struct Switch {
    SettingId setting;
    ConfigText caption;
  };
  // In the order the page shows them.
  static constexpr std::array<Switch, 10> kSwitches = {{
      {MarkOnLastMove, ConfigText::MarkOnLastMoveCheck},
      {MarksAndLabels, ConfigText::MarksAndLabelsCheck},
      {Numbering, ConfigText::NumberingCheck},
      {AsInBooks, ConfigText::AsInBooksCheck},
      {Indices, ConfigText::IndicesCheck},
      {Informations, ConfigText::InformationsCheck},
      {Comment, ConfigText::CommentCheck},
      {Assistant, ConfigText::AssistantCheck},
      {StarPoints, ConfigText::StarPointsCheck},
      {Lines, ConfigText::LinesCheck},
  }};

  explicit COthersPage(ConfigPreview& preview) : preview_(preview) {}

  void Load(const DialogSettings& settings);

  bool Checked(int index) const { return checked_[index]; }
  void OnClicked(int index, bool checked);

  // Only star points and lines stay on.
  void Default();
  void Exchange(DialogSettings& settings) const;

 private:
  ConfigPreview& preview_;
  std::array<bool, kSwitches.size()> checked_{};
};

}  // namespace tenukiro

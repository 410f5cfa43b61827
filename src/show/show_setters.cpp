#include <algorithm>

#include "replay/node_player.h"
#include "show/random_colours.h"
#include "show/show_window.h"

namespace tenukiro {
namespace {

// A new display time takes effect from the next position, which comes this soon.
constexpr int32_t kTickAfterTimeChange = 100;

bool IsPositionTime(SettingId id) {
  return id == CommonPositionTime || id == CommentPageTime || id == CommentLineTime || id == FinalPositionTime;
}

bool PlacesTheBoard(SettingId id) { return id == StoneRadius || id == GridX || id == GridY; }

bool IsColour(SettingId id) { return std::find(kColourSettings.begin(), kColourSettings.end(), id) != kColourSettings.end(); }

}  // namespace

void CShowWnd::SetSetting(SettingId id, int32_t value) {
  if (IsPositionTime(id) || id == SplashDelay) {
    settings_.SetRegistryValue(id, value);
    // The transition time shows only at the next transition.
    if (id != SplashDelay) SetShowTimer(kTickAfterTimeChange);
    return;
  }
  if (value == settings_.Registry(id)) return;
  if (id == RandomColors) return SetRandomColours(value);
  if (IsColour(id)) return SetColour(id, value);
  const bool applied = settings_.SetRegistryValue(id, value);
  if (!record_) return;
  if (PlacesTheBoard(id)) return RelayOut();
  if ((id == Indices || id == Assistant) && applied) ReplayKeepingColours();
  if (id == Comment && !settings_.On(Comment)) DropShownComment();
  OnPaint();
}

void CShowWnd::SetColour(SettingId id, int32_t value) {
  const int32_t shown = settings_.Effective(id);
  settings_.SetRegistryValue(id, value);
  // A random scheme keeps its colours until the switch goes off.
  if (settings_.On(RandomColors)) settings_.SetEffective(id, shown);
  if (record_ && settings_.Effective(id) != shown) OnPaint();
}

void CShowWnd::SetRandomColours(int32_t value) {
  settings_.SetRegistryValue(RandomColors, value);
  if (!settings_.FromRegistry(RandomColors)) return;
  if (value != 0) {
    RandomizeColours(settings_);
  } else {
    const SgfNode* root = record_ ? record_->Collection().CurrentRoot() : nullptr;
    const std::vector<std::string_view> options = root ? RecordOptionValues(*root) : std::vector<std::string_view>{};
    for (const SettingId colour : kColourSettings) {
      const SettingInfo& info = InfoOf(colour);
      settings_.SetEffective(colour, settings_.FromRegistry(colour)
                                         ? settings_.Registry(colour)
                                         : static_cast<int32_t>(LookupRecordColour(
                                               options, info.optionName, static_cast<Color>(info.defaultValue))));
    }
  }
  if (record_) OnPaint();
}

void CShowWnd::RelayOut() {
  const BoardLayout before = board_.Layout();
  ComputeLayout();
  if (!(board_.Layout() == before)) OnPaint();
}

void CShowWnd::ReplayKeepingColours() {
  const bool randomBefore = settings_.On(RandomColors);
  if (randomBefore) settings_.SaveEffectiveColours();
  ReplayToNode(record_->Collection().Cursor());
  if (settings_.On(RandomColors)) settings_.RestoreEffectiveColours();
}

void CShowWnd::DropShownComment() {
  AnnotationState& state = record_->State();
  state.commentText = nullptr;
  state.commentCursor = nullptr;
  if (timing_.state == ShowState::MorePages) timing_.state = ShowState::NextPosition;
}

}  // namespace tenukiro

#include "show/page_timing.h"

#include <algorithm>

namespace tenukiro {
namespace {

int32_t ClampToInt32(long long value) {
  return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

int32_t PageTime(int lines, const PositionTiming& position) {
  return ClampToInt32(static_cast<long long>(position.nodeDuration) +
                      static_cast<long long>(lines) * position.commentLineTime);
}

// Whether the pose on screen is the position's last: the values wrapped round to the first, or
// there are none.
bool OnLastPose(const PositionTiming& position) {
  return position.xaCount <= 0 || position.currentXa == position.firstXa;
}

}  // namespace

void HandBackBalloonPage(int lines, bool textRemains, PositionTiming& position, ShowTiming& show) {
  if (show.state == ShowState::NextPosition && textRemains) show.state = ShowState::MorePages;
  else if (show.state == ShowState::MorePages && !textRemains) show.state = ShowState::NextPosition;
  if (lines == 0) return;
  const int32_t t = PageTime(lines, position);
  if (position.xaCount > 0) {
    if (!position.explicitDuration) show.nextWait = t / position.xaCount;
    // Further pages of the same comment get whole times.
    if (show.state == ShowState::MorePages) position.xaCount = 0;
  } else {
    show.nextWait = t;
  }
  if (OnLastPose(position)) {
    show.nextWait = ClampToInt32(std::max<long long>(show.nextWait, static_cast<long long>(t) - position.elapsed));
  } else {
    position.elapsed = ClampToInt32(static_cast<long long>(position.elapsed) + show.nextWait);
  }
}

void HandBackBoxPage(int lines, bool textRemains, const PositionTiming& position, ShowTiming& show) {
  show.state = textRemains ? ShowState::MorePages : ShowState::NextPosition;
  if (lines > 0) show.nextWait = PageTime(lines, position);
}

void HandBackPage(const WrittenPage& page, PositionTiming& position, ShowTiming& show) {
  switch (page.place) {
    case WrittenPage::Place::Balloon:
      HandBackBalloonPage(page.lines, page.textRemains, position, show);
      break;
    case WrittenPage::Place::Box:
      HandBackBoxPage(page.lines, page.textRemains, position, show);
      break;
    case WrittenPage::Place::None:
      break;
  }
}

}  // namespace tenukiro

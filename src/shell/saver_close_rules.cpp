#include "shell/saver_close_rules.h"

#include <cstdlib>

namespace tenukiro {

SaverCloseRules::SaverCloseRules(int32_t mouseThreshold, int32_t passwordDelaySeconds, uint32_t startTick)
    : mouseThreshold_(mouseThreshold), passwordDelaySeconds_(passwordDelaySeconds), startTick_(startTick) {}

bool SaverCloseRules::OnMouseMove(int x, int y) {
  if (lastX_ == -1 && lastY_ == -1) {
    // The first message only tells where the cursor rests.
    lastX_ = x;
    lastY_ = y;
    return false;
  }
  if (passwordDialogActive_) return false;
  const int64_t dx = std::llabs(int64_t{x} - lastX_);
  const int64_t dy = std::llabs(int64_t{y} - lastY_);
  return dx > mouseThreshold_ || dy > mouseThreshold_;
}

bool SaverCloseRules::OnCloseRequest(uint32_t nowTick, const std::function<bool()>& verifyPassword,
                                     const std::function<void(int&, int&)>& cursorPosition) {
  const int64_t elapsed = static_cast<uint32_t>(nowTick - startTick_);
  if (elapsed <= int64_t{passwordDelaySeconds_} * 1000) return true;
  passwordDialogActive_ = true;
  const bool granted = verifyPassword();
  passwordDialogActive_ = false;
  cursorPosition(lastX_, lastY_);
  return granted;
}

}  // namespace tenukiro

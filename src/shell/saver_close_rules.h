#pragma once

#include <cstdint>
#include <functional>

namespace tenukiro {

// When the full-screen saver closes: on a mouse movement beyond a threshold along
// either axis (measured from the first position seen), a button, a key, or losing
// the focus. After a grace period a close asks for the password; while that
// question is open nothing else closes the window.
class SaverCloseRules {
 public:
  SaverCloseRules(int32_t mouseThreshold, int32_t passwordDelaySeconds, uint32_t startTick);

  // Each returns whether a close request should be posted.
  bool OnMouseMove(int x, int y);
  bool OnButtonOrKey() const { return !passwordDialogActive_; }
  bool OnDeactivate() const { return !passwordDialogActive_; }

  // Runs a posted close request: true when the window closes. `verifyPassword`
  // runs only after the grace period; `cursorX`/`cursorY` give where the mouse is
  // when the question ends, from which the threshold is measured again.
  bool OnCloseRequest(uint32_t nowTick, const std::function<bool()>& verifyPassword,
                      const std::function<void(int&, int&)>& cursorPosition);

  bool PasswordDialogActive() const { return passwordDialogActive_; }
  // Whether the arrow cursor shows (only while the password is asked).
  bool CursorVisible() const { return passwordDialogActive_; }

 private:
  int32_t mouseThreshold_;
  int32_t passwordDelaySeconds_;
  uint32_t startTick_;
  int lastX_ = -1;
  int lastY_ = -1;
  bool passwordDialogActive_ = false;
};

// There is no screen-saver password service of our own: the system's locker owns it.
inline bool VerifyPassword() { return true; }

}  // namespace tenukiro

#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "settings/profile.h"

namespace tenukiro {

class CShowWnd;

// The dialog's live preview: a child window running a show. The host that owns the show windows
// makes it, so the dialog needs nothing of the host.
class DialogPreviewWin32 {
 public:
  virtual ~DialogPreviewWin32() = default;

  // Makes the window over `parent`'s client area; false when the system refuses it.
  virtual bool Create(HWND parent) = 0;
  virtual CShowWnd& Show() = 0;
  // The child window once made, else null.
  virtual HWND Handle() const = 0;
};

using DialogPreviewFactory = std::function<std::unique_ptr<DialogPreviewWin32>(const Profile& profile)>;

}  // namespace tenukiro

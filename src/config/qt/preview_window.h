#pragma once

#include <QWidget>

#include <functional>

#include "settings/profile.h"

namespace tenukiro {

class CShowWnd;

// The dialog's live preview: a child widget running a show. The host that owns the show windows
// makes it, so the dialog needs nothing of the host.
class PreviewWindow {
 public:
  virtual ~PreviewWindow() = default;

  virtual QWidget* Widget() = 0;
  virtual CShowWnd& Show() = 0;
  // Starts the show's timer once the dialog has handed the preview its settings.
  virtual void Start() = 0;
};

// Makes the preview of the profile's show as a child of `parent`, which owns it.
using PreviewFactory = std::function<PreviewWindow*(const Profile& profile, QWidget* parent)>;

}  // namespace tenukiro

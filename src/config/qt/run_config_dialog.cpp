#include "config/qt/run_config_dialog.h"

#include <QWindow>

#include <memory>

namespace tenukiro {

int RunConfigDialog(Profile& profile, ConfigDialogServices services, uint64_t owner) {
  std::unique_ptr<QWindow> ownerWindow;
  ConfigDialogWidget dialog(profile, std::move(services));
  if (owner != 0) {
    dialog.winId();  // the native window must exist to be made transient
    ownerWindow.reset(QWindow::fromWinId(static_cast<WId>(owner)));
    if (ownerWindow && dialog.windowHandle()) dialog.windowHandle()->setTransientParent(ownerWindow.get());
  }
  dialog.exec();
  return 0;
}

}  // namespace tenukiro

#pragma once

#include <QImage>
#include <QWidget>

#include "settings/profile.h"
#include "settings/settings_record.h"
#include "shell/saver_close_rules.h"

namespace tenukiro {

// The window the show runs in: full screen and top-most without a cursor for the
// screen saver (closing by the saver's rules), or an ordinary window.
class ShowWidget : public QWidget {
  Q_OBJECT

 public:
  enum class Mode { FullScreen, Windowed };

  ShowWidget(Profile& profile, Mode mode);

  void Start();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void RequestClose();

  Mode mode_;
  SettingsRecord settings_;
  SaverCloseRules closeRules_;
  bool closeGranted_ = false;
};

}  // namespace tenukiro

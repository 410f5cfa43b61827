#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <memory>

#include "settings/profile.h"
#include "shell/saver_close_rules.h"
#include "show/show_host.h"
#include "show/show_window.h"

namespace tenukiro {

// The window the show runs in: full screen and top-most without a cursor for the
// screen saver (closing by the saver's rules), an ordinary window, or a child widget
// of another window (the configuration dialog's preview). It keeps the window's
// pixels in a raster that the show draws into and shows what changed.
class ShowWidget : public QWidget, public ShowHost {
  Q_OBJECT

 public:
  enum class Mode { FullScreen, Windowed, Embedded };

  ShowWidget(const Profile& profile, Mode mode, const std::string& programDirectory,
             SphereImageRenderer* spheres, QWidget* parent = nullptr);
  ~ShowWidget() override;

  // A full-screen show covers this screen (the primary one unless told); a show already
  // shown moves there.
  void CoverScreen(QScreen* screen);
  // A full-screen show on another monitor than the saver's: it never takes the focus,
  // its input counts as input on `leader`, whose close rules alone end the program.
  void FollowInputOf(ShowWidget& leader);
  void Start();
  CShowWnd& Show() { return *show_; }

  // Input on the windows over the other screens counts as input on the saver.
  void MouseMovedAt(const QPoint& global);
  void ButtonOrKeyElsewhere();

  // Sizes and the surface are in device pixels, so that a high-density screen shows the same
  // picture, pixel for pixel, as a screen of scale factor 1 with as many pixels.
  Size ClientSize() const override;
  Size ScreenSize() const override;
  Raster& Surface() override { return surface_; }
  void ArmTimer(int intervalMs) override { timer_.start(intervalMs); }
  void Present(const Rect& changed) override;
  uint32_t TickCount() const override { return static_cast<uint32_t>(clock_.elapsed()); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void RequestClose();
  // A point of the widget's logical coordinates in device pixels.
  QPoint DevicePoint(QPointF logical) const;

  Mode mode_;
  QPointer<QScreen> screen_;
  ShowWidget* leader_ = nullptr;
  QElapsedTimer clock_;
  QTimer timer_;
  Raster surface_;
  std::unique_ptr<CShowWnd> show_;
  SaverCloseRules closeRules_;
  bool created_ = false;
  bool closeGranted_ = false;
};

}  // namespace tenukiro

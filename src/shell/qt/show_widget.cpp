#include "shell/qt/show_widget.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "settings/other_values.h"

namespace tenukiro {
namespace {

uint32_t TickCount() { return static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch()); }

QColor ToQColor(Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

}  // namespace

ShowWidget::ShowWidget(Profile& profile, Mode mode)
    : mode_(mode),
      settings_(ReadShowSettings(profile)),
      closeRules_(ReadMouseThreshold(profile), ReadPasswordDelay(profile), TickCount()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowTitle(QStringLiteral("Tenukiro"));
  if (mode_ == Mode::FullScreen) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setCursor(Qt::BlankCursor);
    setMouseTracking(true);
  }
}

void ShowWidget::Start() {
  if (mode_ == Mode::FullScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    setGeometry(screen);
    showFullScreen();
    activateWindow();
    raise();
  } else {
    resize(1024, 768);
    show();
  }
}

void ShowWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(static_cast<Color>(settings_.Effective(ScreenBackgroundColor))));
}

void ShowWidget::RequestClose() {
  // Posted, as the window's own close request would be, so that input handlers return first.
  QTimer::singleShot(0, this, [this] {
    const bool closes = closeRules_.OnCloseRequest(TickCount(), VerifyPassword, [this](int& x, int& y) {
      const QPoint p = mapFromGlobal(QCursor::pos());
      x = p.x();
      y = p.y();
    });
    if (!closes) return;
    closeGranted_ = true;
    close();
  });
}

void ShowWidget::mouseMoveEvent(QMouseEvent* event) {
  if (mode_ != Mode::FullScreen) return;
  const QPoint p = event->position().toPoint();
  if (closeRules_.OnMouseMove(p.x(), p.y())) RequestClose();
}

void ShowWidget::mousePressEvent(QMouseEvent*) {
  if (mode_ == Mode::FullScreen && closeRules_.OnButtonOrKey()) RequestClose();
}

void ShowWidget::keyPressEvent(QKeyEvent* event) {
  if (mode_ == Mode::FullScreen) {
    if (closeRules_.OnButtonOrKey()) RequestClose();
    return;
  }
  if (event->key() == Qt::Key_Escape) close();
}

void ShowWidget::changeEvent(QEvent* event) {
  if (mode_ == Mode::FullScreen && event->type() == QEvent::ActivationChange && !isActiveWindow() &&
      closeRules_.OnDeactivate()) {
    RequestClose();
  }
  QWidget::changeEvent(event);
}

void ShowWidget::closeEvent(QCloseEvent* event) {
  // Closing the full-screen saver from outside goes through the same rules.
  if (mode_ == Mode::FullScreen && !closeGranted_) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace tenukiro

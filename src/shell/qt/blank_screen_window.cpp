#include "shell/qt/blank_screen_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "shell/qt/show_widget.h"

namespace tenukiro {

BlankScreenWindow::BlankScreenWindow(QScreen* screen, ShowWidget& saver) : saver_(saver) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_QuitOnClose, false);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowTitle(QStringLiteral("Tenukiro"));
  setCursor(Qt::BlankCursor);
  setMouseTracking(true);
  setGeometry(screen->geometry());
  winId();  // makes the native window, so that it can be put on its screen
  windowHandle()->setScreen(screen);
}

void BlankScreenWindow::paintEvent(QPaintEvent* event) { QPainter(this).fillRect(event->rect(), Qt::black); }

void BlankScreenWindow::mouseMoveEvent(QMouseEvent* event) {
  saver_.MouseMovedAt(event->globalPosition().toPoint());
}

void BlankScreenWindow::mousePressEvent(QMouseEvent*) { saver_.ButtonOrKeyElsewhere(); }

void BlankScreenWindow::keyPressEvent(QKeyEvent*) { saver_.ButtonOrKeyElsewhere(); }

}  // namespace tenukiro

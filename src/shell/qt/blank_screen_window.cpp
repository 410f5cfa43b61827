#include "shell/qt/blank_screen_window.h"

#include <algorithm>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "shell/blank_screens.h"
#include "shell/qt/show_widget.h"

namespace tenukiro {
namespace {

Rect RectOf(const QRect& r) { return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

}  // namespace

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

std::vector<std::unique_ptr<BlankScreenWindow>> BlankOtherScreens(ShowWidget& saver) {
  const QScreen* primary = QGuiApplication::primaryScreen();
  std::vector<std::unique_ptr<BlankScreenWindow>> windows;
  if (!primary) return windows;
  const QList<QScreen*> screens = QGuiApplication::screens();
  std::vector<Rect> geometries;
  for (const QScreen* screen : screens) geometries.push_back(RectOf(screen->geometry()));
  for (const Rect& blank : ScreensToBlank(geometries, RectOf(primary->geometry()))) {
    // The first screen of that geometry: ScreensToBlank gives each geometry once.
    const auto screen = std::find_if(screens.begin(), screens.end(),
                                     [&](const QScreen* s) { return RectOf(s->geometry()) == blank; });
    windows.push_back(std::make_unique<BlankScreenWindow>(*screen, saver));
    windows.back()->showFullScreen();
  }
  return windows;
}

}  // namespace tenukiro

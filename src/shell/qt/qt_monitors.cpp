#include "shell/qt/qt_monitors.h"

#include <QGuiApplication>
#include <QScreen>

namespace tenukiro {

Rect RectOf(const QRect& r) { return RectAt(r.left(), r.top(), r.width(), r.height()); }

std::vector<Monitor> MonitorsOf(const QList<QScreen*>& screens) {
  std::vector<Monitor> monitors;
  for (const QScreen* screen : screens) {
    monitors.push_back(Monitor{RectOf(screen->geometry()), screen == QGuiApplication::primaryScreen()});
  }
  return monitors;
}

}  // namespace tenukiro

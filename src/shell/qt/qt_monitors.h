#pragma once

#include <QList>
#include <QRect>

#include <vector>

#include "shell/monitors.h"

class QScreen;

namespace tenukiro {

Rect RectOf(const QRect& r);

// Qt's screens as monitors, in the same order (on X11 Qt makes a screen of every RandR
// monitor), in Qt's logical coordinates.
std::vector<Monitor> MonitorsOf(const QList<QScreen*>& screens);

}  // namespace tenukiro

#pragma once

#include <QObject>
#include <QRect>

#include <memory>
#include <string>
#include <vector>

#include "shell/monitors.h"
#include "shell/qt/show_widget.h"

class QScreen;

namespace tenukiro {

// The saver's windows over the monitors: the show on the primary monitor, whose close
// rules end the program, and on every other monitor a black window or, with
// AllScreens, a show of its own whose input counts as input on the primary's. The
// windows follow the monitors as they come, go, move and change size.
class SaverScreens : public QObject {
  Q_OBJECT

 public:
  SaverScreens(const Profile& profile, std::string programDirectory, SphereImageRenderer* spheres);
  ~SaverScreens() override;

  void Start();

 private:
  struct Cover {
    QScreen* screen;
    QRect geometry;
    MonitorUse use;
    std::unique_ptr<QWidget> window;
  };

  // Gives every monitor (but `gone`, which is being removed) the window the plan asks for,
  // keeping those that are right already.
  void Replan(const QScreen* gone = nullptr);
  std::unique_ptr<QWidget> MakeCover(QScreen* screen, MonitorUse use);
  void WatchScreen(QScreen* screen);

  const Profile& profile_;
  std::string programDirectory_;
  SphereImageRenderer* spheres_;
  ShowWidget saver_;
  bool allScreens_;
  std::vector<Cover> covers_;
  int showsMade_ = 0;
};

}  // namespace tenukiro

#include "shell/qt/saver_screens.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "shell/qt/blank_screen_window.h"
#include "shell/qt/qt_monitors.h"

namespace tenukiro {

SaverScreens::SaverScreens(const Profile& profile, std::string programDirectory, SphereImageRenderer* spheres)
    : profile_(profile),
      programDirectory_(std::move(programDirectory)),
      spheres_(spheres),
      saver_(profile, ShowWidget::Mode::FullScreen, programDirectory_, spheres),
      allScreens_(saver_.Show().Settings().Registry(AllScreens) != 0) {
  auto* app = qGuiApp;
  connect(app, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
    WatchScreen(screen);
    Replan();
  });
  connect(app, &QGuiApplication::screenRemoved, this, [this](QScreen* screen) { Replan(screen); });
  connect(app, &QGuiApplication::primaryScreenChanged, this, [this] { Replan(); });
  for (QScreen* screen : QGuiApplication::screens()) WatchScreen(screen);
}

SaverScreens::~SaverScreens() = default;

void SaverScreens::WatchScreen(QScreen* screen) {
  connect(screen, &QScreen::geometryChanged, this, [this] { Replan(); });
}

void SaverScreens::Start() {
  // The other monitors are covered first, so that the saver is the window that ends up active.
  Replan();
  saver_.Start();
}

void SaverScreens::Replan(const QScreen* gone) {
  QList<QScreen*> screens = QGuiApplication::screens();
  screens.removeAll(gone);
  const std::vector<Monitor> monitors = MonitorsOf(screens);
  const Monitor* primary = PrimaryMonitor(monitors);
  if (!primary) return;  // no monitor left: the windows wait for one to come
  QScreen* primaryScreen = screens[primary - monitors.data()];
  saver_.CoverScreen(primaryScreen);
  const std::vector<MonitorUse> uses = PlanSaverMonitors(monitors, allScreens_);
  std::vector<Cover> covers;
  for (qsizetype i = 0; i < screens.size(); ++i) {
    const MonitorUse use = uses[static_cast<size_t>(i)];
    if (screens[i] == primaryScreen || use == MonitorUse::Nothing) continue;
    const QRect geometry = screens[i]->geometry();
    const auto same = std::find_if(covers_.begin(), covers_.end(), [&](const Cover& c) {
      return c.screen == screens[i] && c.geometry == geometry && c.use == use;
    });
    if (same != covers_.end()) {
      covers.push_back(std::move(*same));
    } else {
      covers.push_back(Cover{screens[i], geometry, use, MakeCover(screens[i], use)});
    }
  }
  // What is left of the old windows stood on monitors that are gone or changed.
  covers_ = std::move(covers);
}

std::unique_ptr<QWidget> SaverScreens::MakeCover(QScreen* screen, MonitorUse use) {
  if (use == MonitorUse::Black) {
    auto black = std::make_unique<BlankScreenWindow>(screen, saver_);
    black->setWindowState(Qt::WindowFullScreen);  // showFullScreen would ask for the focus
    black->show();
    return black;
  }
  auto show = std::make_unique<ShowWidget>(profile_, ShowWidget::Mode::FullScreen, programDirectory_, spheres_);
  show->FollowInputOf(saver_);
  show->CoverScreen(screen);
  // Each show starts on a record of its own, the next ones after the saver's.
  show->Show().StartAtRecord(saver_.Show().Files().CursorIndex() + ++showsMade_);
  show->Start();
  return show;
}

}  // namespace tenukiro

#include "shell/qt/qt_platform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>

#include <iostream>

#include "base/language.h"
#include "config/qt/run_config_dialog.h"
#include "shell/qt/qsettings_profile.h"
#include "shell/qt/saver_screens.h"
#include "shell/qt/show_widget.h"
#include "shell/qt/x11_active_window.h"
#include "shell/qt/x11_preview.h"
#include "shell/idle/idle_watcher.h"
#include "shell/wayland/display_platform.h"
#include "shell/wayland/wayland_show.h"
#include "sphere/shared_sphere_renderer.h"

namespace tenukiro {

QtPlatform::QtPlatform(int& argc, char** argv, std::string programDirectory)
    : argc_(argc), argv_(argv), programDirectory_(std::move(programDirectory)) {}

QtPlatform::~QtPlatform() = default;

QApplication& QtPlatform::Application() {
  if (!application_) application_ = std::make_unique<QApplication>(argc_, argv_);
  return *application_;
}

std::optional<std::string> QtPlatform::SystemLanguageName() {
  const QLocale::Language language = QLocale::system().language();
  if (language == QLocale::AnyLanguage || language == QLocale::C) return std::nullopt;
  return QLocale::languageToString(language).toStdString();
}

std::unique_ptr<Profile> QtPlatform::OpenProfile(const std::string& application) {
  return std::make_unique<QSettingsProfile>(QString::fromStdString(application));
}

int QtPlatform::RunConfiguration(Profile& profile, const CommandLine& commandLine) {
  Application();
  ConfigDialogServices services;
  services.programDirectory = programDirectory_;
  services.helpPage = HelpFilePathFor(programDirectory_, IsFrench() != 0);
  services.makePreview = ShowWidget::PreviewMaker(programDirectory_, SharedSphereRenderer());
  uint64_t owner = commandLine.window > 0 ? static_cast<uint64_t>(commandLine.window) : 0;
  if (commandLine.ownerIsForeground && QGuiApplication::platformName() == QStringLiteral("xcb")) {
    owner = ActiveX11Window();
  }
  return RunConfigDialog(profile, std::move(services), owner);
}

int QtPlatform::RunPreview(Profile& profile, const PreviewTarget& target) {
  return RunX11Preview(profile, target, programDirectory_, SharedSphereRenderer());
}

int QtPlatform::RunScreenSaver(Profile& profile) {
  // On a Wayland session the show needs no Qt at all.
  if (SessionDisplayPlatform() == DisplayPlatform::Wayland) {
    return RunWaylandShow(profile, WaylandShowKind::Saver, programDirectory_, SharedSphereRenderer());
  }
  QApplication& app = Application();
  SaverScreens screens(profile, programDirectory_, SharedSphereRenderer());
  screens.Start();
  return app.exec();
}

int QtPlatform::RunInWindow(Profile& profile) {
  if (SessionDisplayPlatform() == DisplayPlatform::Wayland) {
    return RunWaylandShow(profile, WaylandShowKind::Window, programDirectory_, SharedSphereRenderer());
  }
  QApplication& app = Application();
  ShowWidget window(profile, ShowWidget::Mode::Windowed, programDirectory_, SharedSphereRenderer());
  window.Start();
  return app.exec();
}

std::optional<int> QtPlatform::RunIdleWatcher(int seconds, const std::vector<std::string>& showArguments) {
  return tenukiro::RunIdleWatcher(seconds, showArguments);
}

}  // namespace tenukiro

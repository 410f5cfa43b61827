#pragma once

#include <memory>
#include <string>

#include "shell/saver_app.h"

class QApplication;

namespace tenukiro {

// The Qt and X11 side of start-up: the locale, the profile store and the windows
// of each run mode.
class QtPlatform : public SaverPlatform {
 public:
  QtPlatform(int& argc, char** argv, std::string programDirectory);
  ~QtPlatform() override;

  std::optional<std::string> SystemLanguageName() override;
  std::unique_ptr<Profile> OpenProfile(const std::string& application) override;
  int RunConfiguration(Profile& profile, const CommandLine& commandLine) override;
  int RunPreview(Profile& profile, const PreviewTarget& target) override;
  int RunScreenSaver(Profile& profile) override;
  int RunInWindow(Profile& profile) override;
  std::optional<int> RunIdleWatcher(int seconds, const std::vector<std::string>& showArguments) override;

 private:
  QApplication& Application();

  int& argc_;
  char** argv_;
  std::string programDirectory_;
  std::unique_ptr<QApplication> application_;
};

}  // namespace tenukiro

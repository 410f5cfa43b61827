#pragma once

#include <string>

#include "shell/saver_app.h"

namespace tenukiro {

// Start-up's services on Windows: the user's locale, the registry profile and the four run modes
// with their Win32 windows and message loop.
class Win32Platform : public SaverPlatform {
 public:
  explicit Win32Platform(std::string programDirectory) : programDirectory_(std::move(programDirectory)) {}

  std::optional<std::string> SystemLanguageName() override;
  std::unique_ptr<Profile> OpenProfile(const std::string& application) override;
  int RunConfiguration(Profile& profile, const CommandLine& commandLine) override;
  int RunPreview(Profile& profile, const PreviewTarget& target) override;
  int RunScreenSaver(Profile& profile) override;
  int RunInWindow(Profile& profile) override;
  int RunChangePassword(int64_t window) override;

 private:
  std::string programDirectory_;
};

}  // namespace tenukiro

#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "settings/profile.h"
#include "shell/launch_options.h"

namespace tenukiro {

// What start-up needs from the windowing toolkit. The Qt host implements it;
// tests use a fake.
class SaverPlatform {
 public:
  virtual ~SaverPlatform() = default;

  // The English name of the system locale's language, or nothing when unknown.
  virtual std::optional<std::string> SystemLanguageName() = 0;
  // The per-user profile, section "Config" of Quorvane/<application>.
  virtual std::unique_ptr<Profile> OpenProfile(const std::string& application) = 0;

  virtual int RunConfiguration(Profile& profile, const CommandLine& commandLine) = 0;
  virtual int RunPreview(Profile& profile, const PreviewTarget& target) = 0;
  virtual int RunScreenSaver(Profile& profile) = 0;
  virtual int RunInWindow(Profile& profile) = 0;
  // The system's screen-saver password change, owned by `window`. Where the system's screen
  // locker owns the password there is nothing to do.
  virtual int RunChangePassword(int64_t window) {
    static_cast<void>(window);
    return 0;
  }
};

struct ProgramLocation {
  std::string path;       // the executable
  std::string directory;  // its folder, ending with '/', or empty
};

// The application object: runs start-up once and dispatches on the run mode.
class CSaverApp {
 public:
  CSaverApp(SaverPlatform& platform, ProgramLocation program) : platform_(platform), program_(std::move(program)) {}

  // Returns the process exit status: 0 normally, 2 for a command line it cannot read.
  int Run(int argc, const char* const* argv, const char* xscreensaverWindow, std::ostream& out, std::ostream& err);

  const std::string& HelpFilePath() const { return helpFilePath_; }

 private:
  void DetectLanguage();
  int Dispatch(const LaunchOptions& options, Profile& profile);

  SaverPlatform& platform_;
  ProgramLocation program_;
  std::string helpFilePath_;
};

// The help page of the current language in the program's folder.
std::string HelpFilePathFor(const std::string& programDirectory, bool french);

// The folder of a program path ("a/b/tenukiro" gives "a/b/"), empty without a slash.
std::string DirectoryOf(const std::string& programPath);

}  // namespace tenukiro

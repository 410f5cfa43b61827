#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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
  // Stays in the session and runs the saver, as `tenukiro` with `showArguments`, each time the
  // session has been idle for `seconds`, until the session ends. Where there is no way to tell,
  // nothing runs and the status is nothing.
  virtual std::optional<int> RunIdleWatcher(int seconds, const std::vector<std::string>& showArguments) {
    static_cast<void>(seconds);
    static_cast<void>(showArguments);
    return std::nullopt;
  }
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
  int Dispatch(const LaunchOptions& options, Profile& profile, std::ostream& err);

  SaverPlatform& platform_;
  ProgramLocation program_;
  std::string helpFilePath_;
};

// The arguments of the saver an idle watcher runs: "/s" with the same settings, seed and records.
std::vector<std::string> IdleShowArguments(const LaunchOptions& options);

// The help page of the current language in the program's folder.
std::string HelpFilePathFor(const std::string& programDirectory, bool french);

// The folder of a program path ("a/b/tenukiro" gives "a/b/"), empty without a slash.
std::string DirectoryOf(const std::string& programPath);

}  // namespace tenukiro

#include "shell/saver_app.h"

#include <ostream>

#include "base/data_files.h"
#include "base/language.h"
#include "base/random_source.h"
#include "base/string_table.h"
#include "replay/replay_json.h"
#include "shell/command_line.h"
#include "shell/record_check.h"
#include "shell/render_commands.h"

namespace tenukiro {
namespace {

// The records named on the command line take the place of the profile's list.
void OverrideFileList(const std::vector<std::string>& records, OverriddenProfile& profile) {
  if (records.empty()) return;
  profile.Override("NumOfFile", std::to_string(records.size()));
  for (size_t i = 0; i < records.size(); ++i) profile.Override("File" + std::to_string(i), records[i]);
}

// "/s" takes a decimal number right after it as its (ignored) window number: a record named
// so goes as "./NAME", which names the same file.
std::string RecordAfterSwitch(const std::string& record) {
  const char* const arguments[] = {"/s", record.c_str()};
  return SwitchArgumentCount(arguments) == 2 ? "./" + record : record;
}

}  // namespace

std::string DirectoryOf(const std::string& programPath) {
  const size_t slash = programPath.rfind('/');
  return slash == std::string::npos ? std::string() : programPath.substr(0, slash + 1);
}

std::string HelpFilePathFor(const std::string& programDirectory, bool french) {
  return DataFilePath(programDirectory, std::string(LoadString(StringId::kHelpFileName, french)) + ".html");
}

void CSaverApp::DetectLanguage() {
  const auto name = platform_.SystemLanguageName();
  SetFrench(name && LanguageNameIsFrench(*name));
}

int CSaverApp::Run(int argc, const char* const* argv, const char* xscreensaverWindow, std::ostream& out,
                   std::ostream& err) {
  DetectLanguage();
  SeedRandomFromClock();
  helpFilePath_ = HelpFilePathFor(program_.directory, IsFrench() != 0);
  const LaunchOptions options = ParseLaunchArguments(argc, argv, xscreensaverWindow);
  switch (options.action) {
    case LaunchOptions::Action::Help:
      out << UsageText();
      return 0;
    case LaunchOptions::Action::Version:
      out << "tenukiro " << TENUKIRO_VERSION_TEXT << "\n";
      return 0;
    case LaunchOptions::Action::Error:
      err << "tenukiro: " << options.error << "\n" << UsageText();
      return 2;
    case LaunchOptions::Action::Run:
    case LaunchOptions::Action::Replay:
    case LaunchOptions::Action::Render:
    case LaunchOptions::Action::Frames:
      break;
  }
  if (options.seed) SeedRandom(*options.seed, true);

  const std::unique_ptr<Profile> stored = platform_.OpenProfile("Tenukiro");
  OverriddenProfile profile(*stored);
  for (const auto& [name, value] : options.settingOverrides) profile.Override(name, value);
  OverrideFileList(options.renderFiles, profile);
  if (options.action == LaunchOptions::Action::Replay) {
    WarnAboutUnreadableRecords(std::span(&options.replayPath, 1), false, err);
    SettingsRecord settings = ReadShowSettings(profile);
    WriteReplayJson(options.replayPath, settings, out);
    return out ? 0 : 1;
  }
  if (options.action == LaunchOptions::Action::Render || options.action == LaunchOptions::Action::Frames) {
    return RunRenderCommand(options, profile, program_.directory, err);
  }
  return Dispatch(options, profile, err);
}

std::vector<std::string> IdleShowArguments(const LaunchOptions& options) {
  std::vector<std::string> arguments = {"/s"};
  for (const auto& [name, value] : options.settingOverrides) {
    arguments.push_back("--set");
    arguments.push_back(name + "=" + value);
  }
  if (options.seed) {
    arguments.push_back("--seed");
    arguments.push_back(std::to_string(*options.seed));
  }
  // After the switch every argument names records, whatever it looks like; the options are
  // read wherever they stand, so the first record is the one right after the switch.
  for (size_t i = 0; i < options.renderFiles.size(); ++i) {
    arguments.push_back(i == 0 ? RecordAfterSwitch(options.renderFiles[i]) : options.renderFiles[i]);
  }
  return arguments;
}

int CSaverApp::Dispatch(const LaunchOptions& options, Profile& profile, std::ostream& err) {
  if (options.idleSeconds) {
    if (auto status = platform_.RunIdleWatcher(*options.idleSeconds, IdleShowArguments(options))) return *status;
    err << "tenukiro: '--idle' is not available on this system\n";
    return 2;
  }
  if (options.inWindow) return platform_.RunInWindow(profile);
  switch (options.commandLine.mode) {
    case RunMode::Configure:
      return platform_.RunConfiguration(profile, options.commandLine);
    case RunMode::Preview:
      if (options.xscreensaverTarget) return platform_.RunPreview(profile, *options.xscreensaverTarget);
      // A preview without a host window has nowhere to draw.
      if (options.commandLine.window <= 0) return 0;
      return platform_.RunPreview(profile, PreviewTarget{static_cast<uint64_t>(options.commandLine.window)});
    case RunMode::ScreenSaver:
      return platform_.RunScreenSaver(profile);
    case RunMode::ChangePassword:
      return platform_.RunChangePassword(options.commandLine.window);
    case RunMode::Unset:
      return 0;
  }
  return 0;
}

}  // namespace tenukiro

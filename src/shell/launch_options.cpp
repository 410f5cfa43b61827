#include "shell/launch_options.h"

#include <charconv>
#include <string_view>

namespace tenukiro {
namespace {

// XScreenSaver passes its options with one dash or two.
bool IsOption(std::string_view arg, std::string_view name) {
  if (arg.starts_with("--")) arg.remove_prefix(2);
  else if (arg.starts_with("-")) arg.remove_prefix(1);
  else return false;
  return arg == name;
}

// "--word" with a name longer than one letter and not ours; "--s" stays a
// Windows-style switch.
bool IsUnknownLongOption(std::string_view arg) {
  return arg.size() > 3 && arg.starts_with("--");
}

LaunchOptions Fail(std::string message) {
  LaunchOptions options;
  options.action = LaunchOptions::Action::Error;
  options.error = std::move(message);
  return options;
}

bool ParseSetting(std::string_view text, std::pair<std::string, std::string>& out) {
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos || equals == 0) return false;
  out = {std::string(text.substr(0, equals)), std::string(text.substr(equals + 1))};
  return true;
}

}  // namespace

std::optional<uint64_t> ParseWindowId(const std::string& text) {
  std::string_view digits = text;
  int base = 10;
  if (digits.starts_with("0x") || digits.starts_with("0X")) {
    digits.remove_prefix(2);
    base = 16;
  }
  if (digits.empty()) return std::nullopt;
  uint64_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

std::string UsageText() {
  return "usage: tenukiro [/s | /p ID | /l ID | /c[:ID] | /a ID] [-root | -window-id ID] [--window]\n"
         "                [--seed N] [--set Name=Value]...\n"
         "       tenukiro --replay FILE [--seed N] [--set Name=Value]...\n"
         "       tenukiro --help | --version\n";
}

LaunchOptions ParseLaunchArguments(int argc, const char* const* argv, const char* xscreensaverWindow) {
  LaunchOptions options;
  std::vector<const char*> switches = {argc > 0 ? argv[0] : "tenukiro"};
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--help" || arg == "-h") {
      options.action = LaunchOptions::Action::Help;
      return options;
    } else if (arg == "--version") {
      options.action = LaunchOptions::Action::Version;
      return options;
    } else if (IsOption(arg, "root")) {
      PreviewTarget target;
      if (xscreensaverWindow && *xscreensaverWindow) {
        target.window = ParseWindowId(xscreensaverWindow);
        if (!target.window) return Fail(std::string("bad $XSCREENSAVER_WINDOW '") + xscreensaverWindow + "'");
      }
      options.xscreensaverTarget = target;
    } else if (IsOption(arg, "window-id")) {
      if (!hasValue) return Fail("missing window id after '" + std::string(arg) + "'");
      const auto window = ParseWindowId(argv[++i]);
      if (!window) return Fail(std::string("bad window id '") + argv[i] + "'");
      options.xscreensaverTarget = PreviewTarget{window};
    } else if (arg == "--replay") {
      if (!hasValue) return Fail("missing file after '--replay'");
      options.action = LaunchOptions::Action::Replay;
      options.replayPath = argv[++i];
    } else if (arg == "--window") {
      options.inWindow = true;
    } else if (arg == "--seed") {
      if (!hasValue) return Fail("missing number after '--seed'");
      uint32_t seed = 0;
      const std::string_view text = argv[++i];
      const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
      if (error != std::errc() || end != text.data() + text.size()) return Fail("bad seed '" + std::string(text) + "'");
      options.seed = seed;
    } else if (arg == "--set") {
      std::pair<std::string, std::string> setting;
      if (!hasValue || !ParseSetting(argv[i + 1], setting)) {
        return Fail("'--set' needs Name=Value" + std::string(hasValue ? ", not '" + std::string(argv[i + 1]) + "'" : ""));
      }
      ++i;
      options.settingOverrides.push_back(std::move(setting));
    } else if (IsUnknownLongOption(arg)) {
      return Fail("unknown option '" + std::string(arg) + "'");
    } else {
      switches.push_back(argv[i]);
    }
  }

  const bool noSwitches = switches.size() == 1;
  if (options.action == LaunchOptions::Action::Replay) {
    if (!noSwitches) return Fail("unexpected '" + std::string(switches[1]) + "' after '--replay'");
    return options;
  }
  if (noSwitches && (options.xscreensaverTarget || options.inWindow)) {
    options.commandLine.mode = RunMode::Preview;
    return options;
  }
  options.commandLine = ParseCommandLine(JoinArguments(static_cast<int>(switches.size()), switches.data()));
  if (options.commandLine.mode == RunMode::Unset) return Fail("unknown switch '" + std::string(switches[1]) + "'");
  return options;
}

}  // namespace tenukiro

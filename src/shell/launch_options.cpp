#include "shell/launch_options.h"

#include <charconv>
#include <cstddef>
#include <span>
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

bool ParseCount(std::string_view text, long& out) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size() && out >= 0;
}

bool ParseSide(std::string_view text, int& out) {
  if (text.empty() || text.size() > 9) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size() && out >= 0;
}

// --render with --step snapshots one record; with --at, and --frames, run the show
// on the records given (none: the profile's list).
LaunchOptions FinishRender(LaunchOptions options, const std::vector<const char*>& switches) {
  const bool frames = options.action == LaunchOptions::Action::Frames;
  const char* name = frames ? "'--frames'" : "'--render'";
  if (!options.renderSize) return Fail(std::string(name) + " needs '--size WxH'");
  if (frames && options.renderUntil <= 0) return Fail("'--frames' needs '--until MS'");
  if (options.stepGiven && (options.renderAt || frames)) return Fail("'--step' does not go with '--at' or '--frames'");
  if (frames || options.renderAt) {
    options.renderFiles.assign(switches.begin() + 1, switches.end());
    return options;
  }
  if (switches.size() != 2) {
    return Fail(switches.size() < 2 ? "'--render' needs a record file"
                                    : "unexpected '" + std::string(switches[2]) + "' after '--render'");
  }
  options.replayPath = switches[1];
  return options;
}

}  // namespace

std::optional<std::pair<int, int>> ParseSizeText(const std::string& text) {
  const size_t x = text.find('x');
  if (x == std::string::npos) return std::nullopt;
  std::pair<int, int> size;
  const std::string_view view = text;
  if (!ParseSide(view.substr(0, x), size.first) || !ParseSide(view.substr(x + 1), size.second)) return std::nullopt;
  return size;
}

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
  return "usage: tenukiro [/s | /p ID | /l ID] [FILE|FOLDER...]\n"
         "       tenukiro [-root | -window-id ID | --window] [FILE|FOLDER...]\n"
         "       tenukiro [/c[:ID] | /a ID]\n"
         "       tenukiro --replay FILE\n"
         "       tenukiro --render OUT.png --size WxH [--screen WxH] [--step N] FILE\n"
         "       tenukiro --render OUT.png --size WxH [--screen WxH] --at MS [FILE...]\n"
         "       tenukiro --frames DIR --size WxH [--screen WxH] --until MS [FILE...]\n"
         "       tenukiro --help | --version\n"
         "each form also takes --seed N and --set Name=Value (repeatable); records given\n"
         "replace the profile's list for this run, a FOLDER standing for every .sgf file under it\n";
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
    } else if (arg == "--render") {
      if (!hasValue) return Fail("missing file after '--render'");
      options.action = LaunchOptions::Action::Render;
      options.renderOutput = argv[++i];
    } else if (arg == "--size" || arg == "--screen") {
      if (!hasValue) return Fail("missing WxH after '" + std::string(arg) + "'");
      const auto size = ParseSizeText(argv[++i]);
      if (!size) return Fail(std::string("bad size '") + argv[i] + "'");
      (arg == "--size" ? options.renderSize : options.screenSize) = size;
    } else if (arg == "--frames") {
      if (!hasValue) return Fail("missing folder after '--frames'");
      options.action = LaunchOptions::Action::Frames;
      options.framesFolder = argv[++i];
    } else if (arg == "--step" || arg == "--at" || arg == "--until") {
      long value = 0;
      if (!hasValue || !ParseCount(argv[i + 1], value)) {
        return Fail("'" + std::string(arg) + "' needs a number" +
                    std::string(hasValue ? ", not '" + std::string(argv[i + 1]) + "'" : ""));
      }
      ++i;
      if (arg == "--step") {
        options.renderStep = value;
        options.stepGiven = true;
      } else if (arg == "--at") {
        options.renderAt = value;
      } else {
        options.renderUntil = value;
      }
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
  if (options.action == LaunchOptions::Action::Render || options.action == LaunchOptions::Action::Frames) {
    return FinishRender(std::move(options), switches);
  }
  if (options.action == LaunchOptions::Action::Replay) {
    if (!noSwitches) return Fail("unexpected '" + std::string(switches[1]) + "' after '--replay'");
    return options;
  }
  // XScreenSaver's hosts take no Windows-style switch: every argument names records.
  if (options.xscreensaverTarget || options.inWindow) {
    options.commandLine.mode = RunMode::Preview;
    options.renderFiles.assign(switches.begin() + 1, switches.end());
    return options;
  }
  const size_t switchEnd = 1 + SwitchArgumentCount(std::span(switches).subspan(1));
  options.commandLine = ParseCommandLine(JoinArguments(static_cast<int>(switchEnd), switches.data()));
  if (options.commandLine.mode == RunMode::Unset) return Fail("unknown switch '" + std::string(switches[1]) + "'");
  options.renderFiles.assign(switches.begin() + static_cast<std::ptrdiff_t>(switchEnd), switches.end());
  return options;
}

}  // namespace tenukiro

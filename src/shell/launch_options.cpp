#include "shell/launch_options.h"

#include <charconv>
#include <cstdint>
#include <cstddef>
#include <span>
#include <string_view>

#include "settings/profile.h"
#include "settings/setting_names.h"

namespace tenukiro {
namespace {

// The one reader of numbers: the whole text in the given base, nothing else around it.
template <typename Number>
std::optional<Number> ReadNumber(std::string_view text, int base = 10) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// How an option's argument is read, and what is said when it is missing or bad.
enum class ArgumentKind {
  None,
  File,
  Folder,
  Size,
  Count,       // a number from 0 up: steps, milliseconds
  Seconds,     // a number of seconds from 1 to kMaxIdleSeconds
  Seed,
  WindowId,
  HostWindow,  // not on the command line: $XSCREENSAVER_WINDOW, when set
  Setting,
};

bool TakesNextArgument(ArgumentKind kind) { return kind != ArgumentKind::None && kind != ArgumentKind::HostWindow; }

// An argument as read: the field its kind fills.
struct Argument {
  std::string_view text;
  std::pair<int, int> size;
  std::int64_t count = 0;
  uint32_t seed = 0;
  std::optional<uint64_t> window;
  std::pair<std::string, std::string> setting;
};

bool ReadSetting(std::string_view text, Argument& out) {
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos || equals == 0) return false;
  out.setting = {std::string(text.substr(0, equals)), std::string(text.substr(equals + 1))};
  return true;
}

bool ReadArgument(ArgumentKind kind, std::string_view text, Argument& out) {
  out.text = text;
  switch (kind) {
    case ArgumentKind::None:
    case ArgumentKind::File:
    case ArgumentKind::Folder:
      return true;
    case ArgumentKind::Size: {
      const auto size = ParseSizeText(std::string(text));
      if (size) out.size = *size;
      return size.has_value();
    }
    case ArgumentKind::Count: {
      const auto count = ReadNumber<std::int64_t>(text);
      if (count) out.count = *count;
      return count && *count >= 0;
    }
    case ArgumentKind::Seconds: {
      const auto count = ReadNumber<std::int64_t>(text);
      if (count) out.count = *count;
      return count && *count >= 1 && *count <= kMaxIdleSeconds;
    }
    case ArgumentKind::Seed: {
      const auto seed = ReadNumber<uint32_t>(text);
      if (seed) out.seed = *seed;
      return seed.has_value();
    }
    case ArgumentKind::WindowId:
      out.window = ParseWindowId(std::string(text));
      return out.window.has_value();
    case ArgumentKind::HostWindow:
      // Unset or empty: the root window.
      if (text.empty()) return true;
      out.window = ParseWindowId(std::string(text));
      return out.window.has_value();
    case ArgumentKind::Setting:
      return ReadSetting(text, out);
  }
  return false;
}

// Built by appending: GCC 12 warns falsely about "'" + std::string at -O3 (its bug 105651).
std::string Quoted(std::string_view text) {
  std::string quoted = "'";
  quoted.append(text);
  quoted += '\'';
  return quoted;
}

std::string MissingMessage(ArgumentKind kind, std::string_view option) {
  switch (kind) {
    case ArgumentKind::File:
      return "missing file after " + Quoted(option);
    case ArgumentKind::Folder:
      return "missing folder after " + Quoted(option);
    case ArgumentKind::Size:
      return "missing WxH after " + Quoted(option);
    case ArgumentKind::Count:
      return Quoted(option) + " needs a number";
    case ArgumentKind::Seconds:
      return Quoted(option) + " needs a number of seconds from 1 to " + std::to_string(kMaxIdleSeconds);
    case ArgumentKind::Seed:
      return "missing number after " + Quoted(option);
    case ArgumentKind::WindowId:
      return "missing window id after " + Quoted(option);
    case ArgumentKind::Setting:
      return Quoted(option) + " needs Name=Value";
    case ArgumentKind::None:
    case ArgumentKind::HostWindow:
      break;
  }
  return {};
}

std::string BadMessage(ArgumentKind kind, std::string_view option, std::string_view value) {
  switch (kind) {
    case ArgumentKind::Size:
      return "bad size " + Quoted(value);
    case ArgumentKind::Count:
    case ArgumentKind::Seconds:
    case ArgumentKind::Setting:
      return MissingMessage(kind, option) + ", not " + Quoted(value);
    case ArgumentKind::Seed:
      return "bad seed " + Quoted(value);
    case ArgumentKind::WindowId:
      return "bad window id " + Quoted(value);
    case ArgumentKind::HostWindow:
      return "bad $XSCREENSAVER_WINDOW " + Quoted(value);
    case ArgumentKind::None:
    case ArgumentKind::File:
    case ArgumentKind::Folder:
      break;
  }
  return {};
}

// XScreenSaver passes its options with one dash or two; ours are spelt exactly.
enum class Spelling { Exact, OneOrTwoDashes };

struct Option {
  std::string_view name;
  Spelling spelling;
  ArgumentKind argument;
  void (*apply)(LaunchOptions&, const Argument&);
  bool endsParsing = false;  // what follows is not read
};

using Action = LaunchOptions::Action;

constexpr Option kOptions[] = {
    {"--help", Spelling::Exact, ArgumentKind::None, [](LaunchOptions& o, const Argument&) { o.action = Action::Help; },
     true},
    {"-h", Spelling::Exact, ArgumentKind::None, [](LaunchOptions& o, const Argument&) { o.action = Action::Help; },
     true},
    {"--version", Spelling::Exact, ArgumentKind::None,
     [](LaunchOptions& o, const Argument&) { o.action = Action::Version; }, true},
    {"root", Spelling::OneOrTwoDashes, ArgumentKind::HostWindow,
     [](LaunchOptions& o, const Argument& a) { o.xscreensaverTarget = PreviewTarget{a.window}; }},
    {"window-id", Spelling::OneOrTwoDashes, ArgumentKind::WindowId,
     [](LaunchOptions& o, const Argument& a) { o.xscreensaverTarget = PreviewTarget{a.window}; }},
    {"--window", Spelling::Exact, ArgumentKind::None, [](LaunchOptions& o, const Argument&) { o.inWindow = true; }},
    {"--idle", Spelling::Exact, ArgumentKind::Seconds,
     [](LaunchOptions& o, const Argument& a) { o.idleSeconds = static_cast<int>(a.count); }},
    {"--replay", Spelling::Exact, ArgumentKind::File,
     [](LaunchOptions& o, const Argument& a) {
       o.action = Action::Replay;
       o.replayPath = a.text;
     }},
    {"--render", Spelling::Exact, ArgumentKind::File,
     [](LaunchOptions& o, const Argument& a) {
       o.action = Action::Render;
       o.renderOutput = a.text;
     }},
    {"--frames", Spelling::Exact, ArgumentKind::Folder,
     [](LaunchOptions& o, const Argument& a) {
       o.action = Action::Frames;
       o.framesFolder = a.text;
     }},
    {"--size", Spelling::Exact, ArgumentKind::Size, [](LaunchOptions& o, const Argument& a) { o.renderSize = a.size; }},
    {"--screen", Spelling::Exact, ArgumentKind::Size,
     [](LaunchOptions& o, const Argument& a) { o.screenSize = a.size; }},
    {"--step", Spelling::Exact, ArgumentKind::Count,
     [](LaunchOptions& o, const Argument& a) { o.renderStep = a.count; }},
    {"--at", Spelling::Exact, ArgumentKind::Count, [](LaunchOptions& o, const Argument& a) { o.renderAt = a.count; }},
    {"--until", Spelling::Exact, ArgumentKind::Count,
     [](LaunchOptions& o, const Argument& a) { o.renderUntil = a.count; }},
    {"--seed", Spelling::Exact, ArgumentKind::Seed, [](LaunchOptions& o, const Argument& a) { o.seed = a.seed; }},
    {"--set", Spelling::Exact, ArgumentKind::Setting,
     [](LaunchOptions& o, const Argument& a) { o.settingOverrides.push_back(a.setting); }},
};

bool Matches(const Option& option, std::string_view arg) {
  if (option.spelling == Spelling::Exact) return arg == option.name;
  if (arg.starts_with("--")) arg.remove_prefix(2);
  else if (arg.starts_with("-")) arg.remove_prefix(1);
  else return false;
  return arg == option.name;
}

const Option* FindOption(std::string_view arg) {
  for (const Option& option : kOptions) {
    if (Matches(option, arg)) return &option;
  }
  return nullptr;
}

// "--word" with a name longer than one letter and not ours; "--s" stays a
// Windows-style switch.
bool IsUnknownLongOption(std::string_view arg) {
  return arg.size() > 3 && arg.starts_with("--");
}

LaunchOptions Fail(std::string message) {
  LaunchOptions options;
  options.action = Action::Error;
  options.error = std::move(message);
  return options;
}

// A setting must be known, and a number setting's value must read as a number.
std::optional<std::string> CheckSettings(const std::vector<std::pair<std::string, std::string>>& settings) {
  for (const auto& [name, value] : settings) {
    const ProfileValueKind kind = KindOfProfileValue(name);
    if (kind == ProfileValueKind::Unknown) return "unknown setting " + Quoted(name);
    if (kind == ProfileValueKind::Number && !ParseProfileInt(value)) {
      return "setting " + Quoted(name) + " needs a number, not " + Quoted(value);
    }
  }
  return std::nullopt;
}

// --render with --step snapshots one record; with --at, and --frames, run the show
// on the records given (none: the profile's list).
LaunchOptions FinishRender(LaunchOptions options, const std::vector<const char*>& switches) {
  const bool frames = options.action == Action::Frames;
  const char* name = frames ? "'--frames'" : "'--render'";
  if (!options.renderSize) return Fail(std::string(name) + " needs '--size WxH'");
  if (frames && options.renderUntil <= 0) return Fail("'--frames' needs '--until MS'");
  if (options.renderStep && (options.renderAt || frames)) return Fail("'--step' does not go with '--at' or '--frames'");
  if (frames || options.renderAt) {
    options.renderFiles.assign(switches.begin() + 1, switches.end());
    return options;
  }
  if (switches.size() != 2) {
    return Fail(switches.size() < 2 ? "'--render' needs a record file"
                                    : "unexpected '" + std::string(switches[2]) + "' after '--render'");
  }
  options.replayPath = switches[1];
  options.renderStep = options.renderStep.value_or(0);
  return options;
}

// What is left after the options: the Windows-style switch and the records.
LaunchOptions FinishSwitches(LaunchOptions options, const std::vector<const char*>& switches) {
  if (options.action == Action::Render || options.action == Action::Frames) {
    return FinishRender(std::move(options), switches);
  }
  if (options.action == Action::Replay) {
    if (switches.size() > 1) return Fail("unexpected '" + std::string(switches[1]) + "' after '--replay'");
    return options;
  }
  if (options.idleSeconds && (options.xscreensaverTarget || options.inWindow)) {
    return Fail("'--idle' does not go with '--window', '-root' or '-window-id'");
  }
  // XScreenSaver's hosts and the idle watcher take no Windows-style switch: every argument names records.
  if (options.idleSeconds) {
    options.renderFiles.assign(switches.begin() + 1, switches.end());
    return options;
  }
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

}  // namespace

std::optional<std::pair<int, int>> ParseSizeText(const std::string& text) {
  const size_t x = text.find('x');
  if (x == std::string::npos) return std::nullopt;
  const std::string_view view = text;
  const auto side = [](std::string_view digits) -> std::optional<int> {
    if (digits.size() > 9) return std::nullopt;
    const auto value = ReadNumber<int>(digits);
    return value && *value >= 0 ? value : std::nullopt;
  };
  const auto width = side(view.substr(0, x)), height = side(view.substr(x + 1));
  if (!width || !height) return std::nullopt;
  return std::pair{*width, *height};
}

std::optional<uint64_t> ParseWindowId(const std::string& text) {
  std::string_view digits = text;
  int base = 10;
  if (digits.starts_with("0x") || digits.starts_with("0X")) {
    digits.remove_prefix(2);
    base = 16;
  }
  return ReadNumber<uint64_t>(digits, base);
}

std::string UsageText() {
  return "usage: tenukiro [/s | /p ID | /l ID] [FILE|FOLDER...]\n"
         "       tenukiro [-root | -window-id ID | --window] [FILE|FOLDER...]\n"
         "       tenukiro --idle SECONDS [FILE|FOLDER...]\n"
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
    const Option* option = FindOption(arg);
    if (!option) {
      if (IsUnknownLongOption(arg)) return Fail("unknown option " + Quoted(arg));
      switches.push_back(argv[i]);
      continue;
    }
    std::string_view value;
    if (option->argument == ArgumentKind::HostWindow && xscreensaverWindow) value = xscreensaverWindow;
    if (TakesNextArgument(option->argument)) {
      if (i + 1 == argc) return Fail(MissingMessage(option->argument, arg));
      value = argv[++i];
    }
    Argument argument;
    if (!ReadArgument(option->argument, value, argument)) return Fail(BadMessage(option->argument, arg, value));
    option->apply(options, argument);
    if (option->endsParsing) return options;
  }
  options = FinishSwitches(std::move(options), switches);
  if (options.action == Action::Error) return options;
  if (auto error = CheckSettings(options.settingOverrides)) return Fail(*error);
  return options;
}

}  // namespace tenukiro

#include "shell/launch_options.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstddef>
#include <iterator>
#include <span>
#include <string_view>

#include "base/number_scan.h"
#include "settings/profile.h"
#include "settings/setting_names.h"

namespace tenukiro {
namespace {

// A window number in the given base, the whole text: X and Windows window numbers use all 64
// bits, past what the decimal reader keeps exact.
std::optional<uint64_t> ReadWindowNumber(std::string_view text, int base) {
  uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Counts, seconds, seeds and sizes: unsigned decimal digits and nothing else. A number the
// reader saturated is too large for any of them.
std::optional<std::int64_t> ReadCount(std::string_view text) {
  const auto read = ScanDecimal(text, 0, {NumberRules::Blanks::None, true, false});
  if (!read || read->value >= kNumberSaturation) return std::nullopt;
  return read->value;
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
      const auto count = ReadCount(text);
      if (count) out.count = *count;
      return count.has_value();
    }
    case ArgumentKind::Seconds: {
      const auto count = ReadCount(text);
      if (count) out.count = *count;
      return count && *count >= 1 && *count <= kMaxIdleSeconds;
    }
    case ArgumentKind::Seed: {
      const auto seed = ReadCount(text);
      if (seed) out.seed = static_cast<uint32_t>(*seed);
      return seed && *seed <= UINT32_MAX;
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
  std::string_view argumentName;  // what the usage calls the argument
  void (*apply)(LaunchOptions&, const Argument&);
  bool endsParsing = false;  // what follows is not read
};

using Action = LaunchOptions::Action;

constexpr Option kOptions[] = {
    {"--help", Spelling::Exact, ArgumentKind::None, "", [](LaunchOptions& o, const Argument&) { o.action = Action::Help; },
     true},
    {"-h", Spelling::Exact, ArgumentKind::None, "", [](LaunchOptions& o, const Argument&) { o.action = Action::Help; },
     true},
    {"--version", Spelling::Exact, ArgumentKind::None, "",
     [](LaunchOptions& o, const Argument&) { o.action = Action::Version; }, true},
    {"root", Spelling::OneOrTwoDashes, ArgumentKind::HostWindow, "",
     [](LaunchOptions& o, const Argument& a) { o.xscreensaverTarget = PreviewTarget{a.window}; }},
    {"window-id", Spelling::OneOrTwoDashes, ArgumentKind::WindowId, "ID",
     [](LaunchOptions& o, const Argument& a) { o.xscreensaverTarget = PreviewTarget{a.window}; }},
    {"--window", Spelling::Exact, ArgumentKind::None, "", [](LaunchOptions& o, const Argument&) { o.inWindow = true; }},
    {"--idle", Spelling::Exact, ArgumentKind::Seconds, "SECONDS",
     [](LaunchOptions& o, const Argument& a) { o.idleSeconds = static_cast<int>(a.count); }},
    {"--replay", Spelling::Exact, ArgumentKind::File, "FILE",
     [](LaunchOptions& o, const Argument& a) {
       o.action = Action::Replay;
       o.replayPath = a.text;
     }},
    {"--render", Spelling::Exact, ArgumentKind::File, "OUT.png",
     [](LaunchOptions& o, const Argument& a) {
       o.action = Action::Render;
       o.renderOutput = a.text;
     }},
    {"--frames", Spelling::Exact, ArgumentKind::Folder, "DIR",
     [](LaunchOptions& o, const Argument& a) {
       o.action = Action::Frames;
       o.framesFolder = a.text;
     }},
    {"--size", Spelling::Exact, ArgumentKind::Size, "WxH", [](LaunchOptions& o, const Argument& a) { o.renderSize = a.size; }},
    {"--screen", Spelling::Exact, ArgumentKind::Size, "WxH",
     [](LaunchOptions& o, const Argument& a) { o.screenSize = a.size; }},
    {"--step", Spelling::Exact, ArgumentKind::Count, "N",
     [](LaunchOptions& o, const Argument& a) { o.renderStep = a.count; }},
    {"--at", Spelling::Exact, ArgumentKind::Count, "MS", [](LaunchOptions& o, const Argument& a) { o.renderAt = a.count; }},
    {"--until", Spelling::Exact, ArgumentKind::Count, "MS",
     [](LaunchOptions& o, const Argument& a) { o.renderUntil = a.count; }},
    {"--seed", Spelling::Exact, ArgumentKind::Seed, "N", [](LaunchOptions& o, const Argument& a) { o.seed = a.seed; }},
    {"--set", Spelling::Exact, ArgumentKind::Setting, "Name=Value",
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

// The usage's forms, then its closing lines. An option named here gets its argument's name
// from the table, so the two cannot drift apart.
constexpr std::string_view kUsageLines[] = {
    "[/s | /p ID | /l ID] [FILE|FOLDER...]",
    "[-root | -window-id | --window] [FILE|FOLDER...]",
    "--idle [FILE|FOLDER...]",
    "[/c[:ID] | /a ID]",
    "--replay",
    "--render --size [--screen] [--step] FILE",
    "--render --size [--screen] --at [FILE...]",
    "--frames --size [--screen] --until [FILE...]",
    "--help | -h | --version",
    "each form also takes --seed and --set (repeatable); records given",
    "replace the profile's list for this run, a FOLDER standing for every .sgf file under it",
};
constexpr size_t kUsageForms = 9;

// How the usage spells an option and its argument: "-window-id ID", "--idle SECONDS".
std::string UsageSpelling(const Option& option) {
  std::string spelling = option.spelling == Spelling::OneOrTwoDashes ? "-" : "";
  spelling += option.name;
  if (!option.argumentName.empty()) {
    spelling += ' ';
    spelling += option.argumentName;
  }
  return spelling;
}

// One usage line with each option word followed by its argument's name; brackets around a
// word stay around the pair.
std::string WithArgumentNames(std::string_view line) {
  std::string out;
  size_t start = 0;
  while (start <= line.size()) {
    const size_t space = std::min(line.find(' ', start), line.size());
    std::string_view word = line.substr(start, space - start);
    const size_t open = word.find_first_not_of('[');
    const size_t close = word.find_last_not_of(']');
    const Option* option = open == std::string_view::npos ? nullptr : FindOption(word.substr(open, close + 1 - open));
    if (!out.empty()) out += ' ';
    if (option) {
      out.append(word.substr(0, open)).append(UsageSpelling(*option)).append(word.substr(close + 1));
    } else {
      out.append(word);
    }
    start = space + 1;
  }
  return out;
}

}  // namespace

std::optional<std::pair<int, int>> ParseSizeText(const std::string& text) {
  const size_t x = text.find('x');
  if (x == std::string::npos) return std::nullopt;
  const std::string_view view = text;
  const auto side = [](std::string_view digits) -> std::optional<int> {
    if (digits.size() > 9) return std::nullopt;
    const auto value = ReadCount(digits);
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
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
  return ReadWindowNumber(digits, base);
}

std::string UsageText() {
  std::string text;
  for (size_t i = 0; i < std::size(kUsageLines); ++i) {
    text += i == 0 ? "usage: tenukiro " : i < kUsageForms ? "       tenukiro " : "";
    text += WithArgumentNames(kUsageLines[i]);
    text += '\n';
  }
  return text;
}

std::vector<std::string> UnmentionedOptions() {
  const std::string usage = UsageText();
  std::vector<std::string> missing;
  for (const Option& option : kOptions) {
    if (usage.find(UsageSpelling(option)) == std::string::npos) missing.emplace_back(option.name);
  }
  return missing;
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

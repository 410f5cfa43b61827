#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/command_line.h"

namespace tenukiro {

// Where a preview draws: a host window given by number, the window XScreenSaver
// names, or the root window.
struct PreviewTarget {
  std::optional<uint64_t> window;  // nothing: the root window
};

// Everything the command line asks for. Our own options and XScreenSaver's are taken
// out first; what is left is read as a Windows-style screen-saver command line.
struct LaunchOptions {
  enum class Action { Run, Help, Version, Error, Replay, Render, Frames };
  Action action = Action::Run;
  std::string error;  // one line naming the bad argument, for Action::Error

  CommandLine commandLine;
  std::optional<PreviewTarget> xscreensaverTarget;  // -root or -window-id
  bool inWindow = false;                             // --window: the show in an ordinary window
  std::optional<int> idleSeconds;                    // --idle SECONDS: the saver after that long idle
  std::string replayPath;                            // --replay FILE, or the record of --render
  std::string renderOutput;                          // --render OUT.png
  std::optional<std::pair<int, int>> renderSize;     // --size WxH: the client area
  std::optional<std::pair<int, int>> screenSize;     // --screen WxH
  std::optional<std::int64_t> renderStep;                    // --step N; a snapshot without it: 0
  std::optional<std::int64_t> renderAt;                     // --at MS: the show's picture at that time
  std::string framesFolder;                          // --frames DIR
  std::int64_t renderUntil = 0;                           // --until MS
  // The records (files or folders) named after the switches, in place of the profile's
  // list: for every show mode, --render --at and --frames.
  std::vector<std::string> renderFiles;
  std::optional<uint32_t> seed;
  std::vector<std::pair<std::string, std::string>> settingOverrides;  // --set Name=Value, in order
};

// Reads the arguments by a table of options, each with the kind of argument it takes
// and what it sets. Settings given with --set must be known, and number settings must
// be given numbers. `xscreensaverWindow` is the value of $XSCREENSAVER_WINDOW, or null.
LaunchOptions ParseLaunchArguments(int argc, const char* const* argv, const char* xscreensaverWindow);

// The longest wait --idle takes: a day.
inline constexpr int kMaxIdleSeconds = 86400;

// "WxH" with two decimal numbers of at most 9 digits; nothing when malformed.
std::optional<std::pair<int, int>> ParseSizeText(const std::string& text);

// A window number in decimal or 0x hexadecimal (either case); nothing when malformed.
std::optional<uint64_t> ParseWindowId(const std::string& text);

std::string UsageText();

// The options the usage does not name with their argument; empty while the two agree.
std::vector<std::string> UnmentionedOptions();

}  // namespace tenukiro

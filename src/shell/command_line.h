#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tenukiro {

enum class RunMode : int { Unset = -1, Configure = 0, Preview = 1, ScreenSaver = 2, ChangePassword = 3 };

struct CommandLine {
  RunMode mode = RunMode::Unset;
  int64_t window = 0;             // the host's window, 0 when none was given
  bool ownerIsForeground = false;  // "/c" alone: the dialog belongs to the active window
};

// Reads a Windows-style screen-saver command line ("/s", "-S", "/p 1234", "/c:1234",
// "/c", "/a 1234", "//s"). The first character is always taken as the switch
// character; a letter outside P, L, S, C and A chooses no mode.
CommandLine ParseCommandLine(std::string_view text);

// How many of the arguments after the program path make up the Windows-style switch:
// the switch, and the next argument when it holds the switch's window number ("/p 1234";
// after "/s" only a decimal number, which is ignored). The arguments after them name
// records.
size_t SwitchArgumentCount(std::span<const char* const> arguments);

// The arguments after the program path joined with single blanks.
std::string JoinArguments(int argc, const char* const* argv);

}  // namespace tenukiro

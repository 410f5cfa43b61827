#pragma once

#include <string>

namespace tenukiro {

// A file that ships with the program (the bundled record, the help pages): beside
// the executable, or else in the data folder of an installed copy
// (<prefix>/share/tenukiro/ for <prefix>/bin/tenukiro and for a copy installed as
// <prefix>/libexec/xscreensaver/tenukiro). When none exists the path beside the
// executable is given, and reading it fails as a missing file does.
std::string DataFilePath(const std::string& programDirectory, const std::string& name);

// A module the program loads when it first needs it: beside the executable, as in the
// build tree, or else in the library folder of an installed copy (<prefix>/lib/tenukiro/,
// from bin/ and from libexec/xscreensaver/). When none exists the path beside the
// executable is given, and loading it fails as a missing module does.
std::string ModuleFilePath(const std::string& programDirectory, const std::string& name);

// The user's own data folder for the program, ending with a separator: $XDG_DATA_HOME/tenukiro/,
// or ~/.local/share/tenukiro/ when that is unset or not an absolute path; on Windows the folder
// Tenukiro in %APPDATA%. Empty when there is no home folder either.
std::string UserDataFolder();

// A file the user may make (the pattern bitmaps): in the user's data folder first, since
// an installed program's folder is not the user's to write, then where DataFilePath looks.
std::string UserFilePath(const std::string& programDirectory, const std::string& name);

}  // namespace tenukiro

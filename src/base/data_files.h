#pragma once

#include <string>

namespace tenukiro {

// A file that ships with the program (the bundled record, the help pages): beside
// the executable, or else in the data folder of an installed copy
// (<prefix>/share/tenukiro/ for <prefix>/bin/tenukiro and for a copy installed as
// <prefix>/libexec/xscreensaver/tenukiro). When none exists the path beside the
// executable is given, and reading it fails as a missing file does.
std::string DataFilePath(const std::string& programDirectory, const std::string& name);

}  // namespace tenukiro

#include "base/data_files.h"

#include <array>
#include <filesystem>

namespace tenukiro {

std::string DataFilePath(const std::string& programDirectory, const std::string& name) {
  // <prefix>/bin/ holds the program; <prefix>/libexec/xscreensaver/ may hold a copy of
  // it as XScreenSaver's hack, one level deeper.
  static constexpr std::array<const char*, 3> kFolders = {"", "../share/tenukiro/", "../../share/tenukiro/"};
  std::error_code error;
  for (const char* folder : kFolders) {
    const std::string path = programDirectory + folder + name;
    if (std::filesystem::is_regular_file(path, error)) return path;
  }
  return programDirectory + name;
}

}  // namespace tenukiro

#include "base/data_files.h"

#include <unistd.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <filesystem>

namespace tenukiro {
namespace {

bool IsFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// The first of the folders (relative to the program's) that holds the file, else the program's.
std::string FirstFound(const std::string& programDirectory, const std::array<const char*, 3>& folders,
                       const std::string& name) {
  for (const char* folder : folders) {
    const std::string path = programDirectory + folder + name;
    if (IsFile(path)) return path;
  }
  return programDirectory + name;
}

}  // namespace

// <prefix>/bin/ holds the program; <prefix>/libexec/xscreensaver/ may hold a copy of it as
// XScreenSaver's hack, one level deeper.
std::string DataFilePath(const std::string& programDirectory, const std::string& name) {
  return FirstFound(programDirectory, {"", "../share/tenukiro/", "../../share/tenukiro/"}, name);
}

std::string ModuleFilePath(const std::string& programDirectory, const std::string& name) {
  return FirstFound(programDirectory, {"", "../lib/tenukiro/", "../../lib/tenukiro/"}, name);
}

std::string RunningProgramDirectory() {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return {};
  const std::string path(buffer, static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/') + 1);
}

std::string UserDataFolder() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome && dataHome[0] == '/') return std::string(dataHome) + "/tenukiro/";
  const char* home = std::getenv("HOME");
  if (home && home[0] != '\0') return std::string(home) + "/.local/share/tenukiro/";
  return {};
}

std::string UserFilePath(const std::string& programDirectory, const std::string& name) {
  const std::string folder = UserDataFolder();
  if (!folder.empty() && IsFile(folder + name)) return folder + name;
  return DataFilePath(programDirectory, name);
}

}  // namespace tenukiro

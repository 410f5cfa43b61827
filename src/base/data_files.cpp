#include "base/data_files.h"

#include <array>
#include <filesystem>

#include "base/file_path.h"

namespace tenukiro {
namespace {

bool IsFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(FilePath(path), error);
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

std::string UserFilePath(const std::string& programDirectory, const std::string& name) {
  const std::string folder = UserDataFolder();
  if (!folder.empty() && IsFile(folder + name)) return folder + name;
  return DataFilePath(programDirectory, name);
}

}  // namespace tenukiro

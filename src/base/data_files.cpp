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

}  // namespace

std::string DataFilePath(const std::string& programDirectory, const std::string& name) {
  // <prefix>/bin/ holds the program; <prefix>/libexec/xscreensaver/ may hold a copy of
  // it as XScreenSaver's hack, one level deeper.
  static constexpr std::array<const char*, 3> kFolders = {"", "../share/tenukiro/", "../../share/tenukiro/"};
  std::error_code error;
  for (const char* folder : kFolders) {
    const std::string path = programDirectory + folder + name;
    if (std::filesystem::is_regular_file(FilePath(path), error)) return path;
  }
  return programDirectory + name;
}

std::string UserFilePath(const std::string& programDirectory, const std::string& name) {
  const std::string folder = UserDataFolder();
  if (!folder.empty() && IsFile(folder + name)) return folder + name;
  return DataFilePath(programDirectory, name);
}

}  // namespace tenukiro

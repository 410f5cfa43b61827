#include "base/data_files.h"

#include <cstdlib>
#include <filesystem>

namespace tenukiro {
namespace {

bool IsFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string DataFilePath(const std::string& programDirectory, const std::string& name) {
  const std::string beside = programDirectory + name;
  const std::string installed = programDirectory + "../share/tenukiro/" + name;
  if (!IsFile(beside) && IsFile(installed)) return installed;
  return beside;
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

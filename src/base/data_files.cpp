#include "base/data_files.h"

#include <filesystem>

namespace tenukiro {

std::string DataFilePath(const std::string& programDirectory, const std::string& name) {
  const std::string beside = programDirectory + name;
  const std::string installed = programDirectory + "../share/tenukiro/" + name;
  std::error_code error;
  if (!std::filesystem::is_regular_file(beside, error) && std::filesystem::is_regular_file(installed, error)) {
    return installed;
  }
  return beside;
}

}  // namespace tenukiro

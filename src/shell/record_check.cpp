#include "shell/record_check.h"

#include <filesystem>
#include <fstream>
#include <ostream>

#include "base/file_path.h"

namespace tenukiro {
namespace {

// A regular file that opens, or a folder that opens. Only a regular file is opened as a file,
// so a named pipe is never waited for.
bool CanRead(const std::string& path, bool foldersAllowed) {
  const std::filesystem::path file = FilePath(path);
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (error) return false;
  if (std::filesystem::is_regular_file(status)) return std::ifstream(file, std::ios::binary).is_open();
  if (!foldersAllowed || !std::filesystem::is_directory(status)) return false;
  std::filesystem::directory_iterator folder(file, error);
  return !error;
}

}  // namespace

void WarnAboutUnreadableRecords(std::span<const std::string> records, bool foldersAllowed, std::ostream& err) {
  for (const std::string& record : records) {
    if (!CanRead(record, foldersAllowed)) err << "tenukiro: cannot read '" << record << "'; a random game stands in\n";
  }
}

}  // namespace tenukiro

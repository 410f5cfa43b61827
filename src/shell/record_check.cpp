#include "shell/record_check.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ostream>

namespace tenukiro {
namespace {

// A regular file that opens (a pipe is not waited for), or a folder that opens.
bool CanRead(const std::string& path, bool foldersAllowed) {
  const int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (file < 0) return false;
  struct stat status;
  const bool statusKnown = fstat(file, &status) == 0;
  close(file);
  if (!statusKnown) return false;
  if (S_ISREG(status.st_mode)) return true;
  if (!foldersAllowed || !S_ISDIR(status.st_mode)) return false;
  DIR* folder = opendir(path.c_str());
  if (!folder) return false;
  closedir(folder);
  return true;
}

}  // namespace

void WarnAboutUnreadableRecords(std::span<const std::string> records, bool foldersAllowed, std::ostream& err) {
  for (const std::string& record : records) {
    if (!CanRead(record, foldersAllowed)) err << "tenukiro: cannot read '" << record << "'; a random game stands in\n";
  }
}

}  // namespace tenukiro

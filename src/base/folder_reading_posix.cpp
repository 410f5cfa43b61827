#include "base/folder_reading.h"

#include <dirent.h>
#include <sys/stat.h>

#include <string_view>

namespace tenukiro {

struct FolderReading {
  DIR* dir;
};

FileKind KindOf(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return {};
  return {S_ISDIR(status.st_mode), S_ISREG(status.st_mode)};
}

void FolderReadingCloser::operator()(FolderReading* folder) const {
  closedir(folder->dir);
  delete folder;
}

OpenedFolder OpenFolder(const std::string& path, FolderIdentity& identity) {
  DIR* dir = opendir(path.c_str());
  if (!dir) return nullptr;
  OpenedFolder folder(new FolderReading{dir});
  struct stat status;
  if (fstat(dirfd(dir), &status) != 0) return nullptr;
  identity = {status.st_dev, status.st_ino};
  return folder;
}

bool NextFolderEntry(FolderReading& folder, FolderEntry& entry) {
  for (;;) {
    const dirent* found = readdir(folder.dir);
    if (!found) return false;
    const std::string_view name = found->d_name;
    if (name == "." || name == "..") continue;
    entry.name = name;
    if (found->d_type == DT_LNK || found->d_type == DT_UNKNOWN) {
      entry.kind.reset();
    } else {
      entry.kind = FileKind{found->d_type == DT_DIR, found->d_type == DT_REG};
    }
    return true;
  }
}

}  // namespace tenukiro

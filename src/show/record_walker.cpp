#include "show/record_walker.h"

#include <sys/stat.h>

#include <algorithm>

#include "base/text_compare.h"

namespace tenukiro {
namespace {

struct FileKind {
  bool folder = false;
  bool regular = false;
};

// What a path names after following symbolic links; neither for a path that
// cannot be looked at (missing, a dangling link, a link loop).
FileKind KindOf(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return {};
  return {S_ISDIR(status.st_mode), S_ISREG(status.st_mode)};
}

}  // namespace

bool HasRecordExtension(std::string_view name) {
  return name.size() >= 4 && EqualsIgnoringCase(name.substr(name.size() - 4), ".sgf");
}

void RecordWalker::DirCloser::operator()(DIR* dir) const { closedir(dir); }

RecordWalker::RecordWalker(std::vector<std::string> entries) : entries_(std::move(entries)) {}

RecordWalker::~RecordWalker() = default;

void RecordWalker::Walk(int budget, std::vector<std::string>& records) {
  int spent = 0;
  while (spent < budget && !Done()) {
    if (folders_.empty()) {
      spent += StartNextEntry(records);
      continue;
    }
    Folder& folder = folders_.back();
    if (folder.reading) {
      spent += ReadEntries(folder, budget - spent);
      continue;
    }
    if (folder.next == folder.children.size()) {
      folders_.pop_back();
      continue;
    }
    const Child& child = folder.children[folder.next++];
    std::string path = folder.path + child.key;
    if (child.folder) {
      ++spent;
      EnterFolder(std::move(path));
    } else {
      records.push_back(std::move(path));
    }
  }
  // The records of a folder already read cost nothing more: hand them out now.
  if (folders_.empty() || folders_.back().reading) return;
  Folder& folder = folders_.back();
  while (folder.next < folder.children.size() && !folder.children[folder.next].folder) {
    records.push_back(folder.path + folder.children[folder.next++].key);
  }
}

int RecordWalker::StartNextEntry(std::vector<std::string>& records) {
  const std::string& entry = entries_[nextEntry_++];
  if (KindOf(entry).folder) {
    visited_.clear();
    EnterFolder(entry.ends_with('/') ? entry : entry + '/');
  } else {
    records.push_back(entry);
  }
  return 1;
}

int RecordWalker::ReadEntries(Folder& folder, int budget) {
  int spent = 0;
  while (spent < budget) {
    const dirent* entry = readdir(folder.reading.get());
    if (!entry) {
      // The end of the folder, or an error reading it: either way its list is final.
      folder.reading.reset();
      std::sort(folder.children.begin(), folder.children.end(),
                [](const Child& a, const Child& b) { return a.key < b.key; });
      break;
    }
    ++spent;
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    FileKind kind{entry->d_type == DT_DIR, entry->d_type == DT_REG};
    if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
      ++spent;
      kind = KindOf(folder.path + std::string(name));
    }
    if (kind.folder) {
      folder.children.push_back({std::string(name) + '/', true});
    } else if (kind.regular && HasRecordExtension(name)) {
      folder.children.push_back({std::string(name), false});
    }
  }
  return spent;
}

void RecordWalker::EnterFolder(std::string path) {
  std::unique_ptr<DIR, DirCloser> dir(opendir(path.c_str()));
  if (!dir) return;
  struct stat status;
  if (fstat(dirfd(dir.get()), &status) != 0 || !visited_.insert({status.st_dev, status.st_ino}).second) return;
  folders_.push_back(Folder{std::move(path), std::move(dir), {}, 0});
}

}  // namespace tenukiro

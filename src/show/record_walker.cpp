#include "show/record_walker.h"

#include <algorithm>

#include "base/path_kind.h"
#include "base/text_compare.h"

namespace tenukiro {
bool HasRecordExtension(std::string_view name) {
  return name.size() >= 4 && EqualsIgnoringCase(name.substr(name.size() - 4), ".sgf");
}

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
    EnterFolder(!entry.empty() && IsPathSeparator(entry.back()) ? entry : entry + '/');
  } else {
    records.push_back(entry);
  }
  return 1;
}

int RecordWalker::ReadEntries(Folder& folder, int budget) {
  int spent = 0;
  while (spent < budget) {
    FolderEntry entry;
    if (!NextFolderEntry(*folder.reading, entry)) {
      // The end of the folder, or an error reading it: either way its list is final.
      folder.reading.reset();
      std::sort(folder.children.begin(), folder.children.end(),
                [](const Child& a, const Child& b) { return a.key < b.key; });
      break;
    }
    ++spent;
    const std::string& name = entry.name;
    FileKind kind;
    if (entry.kind) {
      kind = *entry.kind;
    } else {
      ++spent;
      kind = KindOf(folder.path + name);
    }
    if (kind.folder) {
      folder.children.push_back({name + '/', true});
    } else if (kind.regular && HasRecordExtension(name)) {
      folder.children.push_back({name, false});
    }
  }
  return spent;
}

void RecordWalker::EnterFolder(std::string path) {
  FolderIdentity identity;
  OpenedFolder folder = OpenFolder(path, identity);
  if (!folder || !visited_.insert(identity).second) return;
  folders_.push_back(Folder{std::move(path), std::move(folder), {}, 0});
}

}  // namespace tenukiro

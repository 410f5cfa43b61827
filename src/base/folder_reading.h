#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace tenukiro {

struct FileKind {
  bool folder = false;
  bool regular = false;
};

// What a path names after following symbolic links; neither for a path that cannot be
// looked at (missing, a dangling link, a link loop).
FileKind KindOf(const std::string& path);

// A folder open for reading its entries one by one (paths are UTF-8).
struct FolderReading;
struct FolderReadingCloser {
  void operator()(FolderReading* folder) const;
};
using OpenedFolder = std::unique_ptr<FolderReading, FolderReadingCloser>;

// The same folder reached by two paths has the same identity.
using FolderIdentity = std::pair<std::uint64_t, std::uint64_t>;

// Null when the folder cannot be opened or its identity cannot be known.
OpenedFolder OpenFolder(const std::string& path, FolderIdentity& identity);

struct FolderEntry {
  std::string name;
  // What the listing says the entry is; nothing when it does not say (a symbolic link, or a file
  // system that does not tell): KindOf then answers.
  std::optional<FileKind> kind;
};

// The next entry other than "." and ".."; false at the end of the folder or on an error.
bool NextFolderEntry(FolderReading& folder, FolderEntry& entry);

}  // namespace tenukiro

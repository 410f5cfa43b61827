#pragma once

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/folder_reading.h"

namespace tenukiro {

// Turns the entries of a record list into record paths, a little at a time, so
// that a folder of a hundred thousand records does not hold up the show. An entry
// that is a folder stands for every file under it whose name ends in ".sgf" (in
// any letter case), recursively, in the byte order of the path; any other entry
// stands for itself, whether or not it can be read. A folder reached twice within
// one entry (a symbolic link loop, or two links to one folder) is read once;
// folders that cannot be opened are passed over.
class RecordWalker {
 public:
  // What one step may spend: each directory entry read, each file status asked
  // and each folder opened costs one unit. Handing out a record costs nothing.
  static constexpr int kStepBudget = 4096;

  explicit RecordWalker(std::vector<std::string> entries);
  RecordWalker(RecordWalker&&) = default;
  RecordWalker& operator=(RecordWalker&&) = default;
  ~RecordWalker();

  // Appends the records found by about `budget` units of work (at least one
  // unit's worth, and every record already read that needs no further work).
  void Walk(int budget, std::vector<std::string>& records);
  bool Done() const { return folders_.empty() && nextEntry_ == entries_.size(); }
  size_t EntryCount() const { return entries_.size(); }

 private:
  // A child of a folder: its name, followed by '/' for a folder, which makes the
  // order of names the order of the paths below them.
  struct Child {
    std::string key;
    bool folder = false;
  };
  struct Folder {
    std::string path;  // ends with '/'
    OpenedFolder reading;  // open until all its entries are read
    std::vector<Child> children;
    size_t next = 0;
  };

  int StartNextEntry(std::vector<std::string>& records);
  int ReadEntries(Folder& folder, int budget);
  void EnterFolder(std::string path);

  std::vector<std::string> entries_;
  size_t nextEntry_ = 0;
  std::vector<Folder> folders_;  // the folders being walked, outermost first
  std::set<FolderIdentity> visited_;  // the folders of the current entry
};

// Whether a file name ends in ".sgf", in any letter case.
bool HasRecordExtension(std::string_view name);

}  // namespace tenukiro

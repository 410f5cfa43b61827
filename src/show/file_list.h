#pragma once

#include <string>
#include <vector>

#include "show/record_walker.h"

namespace tenukiro {

// The show's list of records: a ring in list order with a cursor on the record
// being shown. The cursor moves by a random number of entries (0 shows the same
// record again) or by one, wrapping after the last.
//
// An entry may be a folder, which stands for the records under it. Folders are
// read a step at a time (`Grow`), so the list may still grow while the show runs:
// a random step then chooses among the records known so far, and a step by one
// reads on before it wraps.
class FileList {
 public:
  FileList() = default;
  // Reads until the first record is known (or the entries turn out to hold none)
  // and then one step more; a step spends `stepBudget` units of the walk.
  explicit FileList(std::vector<std::string> entries, int stepBudget = RecordWalker::kStepBudget);

  bool Empty() const { return paths_.empty(); }
  // The records known so far.
  int Count() const { return static_cast<int>(paths_.size()); }
  const std::vector<std::string>& Paths() const { return paths_; }
  // The entries the list was made from, before folders were read.
  int EntryCount() const { return static_cast<int>(walker_.EntryCount()); }
  bool Complete() const { return walker_.Done(); }
  int CursorIndex() const { return cursor_; }
  // The path under the cursor; empty when the list is empty.
  const std::string& Current() const;

  void Advance(int entries);
  // The cursor on record `index` of the list, wrapping after the last; a list still
  // too short reads on first. Negative indexes leave the cursor where it is.
  void MoveTo(int index);
  // A random step of 0 .. count - 1 entries when `random` is set, else one.
  void Next(bool random);
  // Reads one bounded step more of the folders.
  void Grow();

 private:
  RecordWalker walker_{{}};
  int stepBudget_ = RecordWalker::kStepBudget;
  std::vector<std::string> paths_;
  int cursor_ = 0;
};

}  // namespace tenukiro
